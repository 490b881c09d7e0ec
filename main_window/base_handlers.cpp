// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window does: its handlers, the steps of a choice and the writing of the table.
#include "base.h"

#include "design.h"
#include "info.h"
#include "length_hint.h"
#include "result_sheet.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

using namespace dorvane;

namespace
{

const QColor outOfRangeColour(255, 170, 170);
const QColor partlyReadColour(255, 225, 140);

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// Picking an entry, even the one already shown, clears the table and fills it for that scale.
void Base::Combo1_Click()
{
    if (const ScaleSystem *system = FindSystem(Combo1->currentText().toStdString())) {
        ClearTable();
        if (system->hasModes)
            HScroll1->setValue(0); // may run HScroll1_Change at once
        showRows(system->rows);
        scaleKind = system->kind; // before the positions: ComputeDiatonic reads it
        computePositions(*system);
        labelNotes(system->notes);
        tableShown = {system, 0, vibratingLength};
    }
    showModeControls(scaleKind == ScaleKind::PythagoreanDiatonic);
}

void Base::showModeControls(bool visible)
{
    if (visible) {
        HScroll1->show();
        Text2->show();
        Label1->show();
        Label3->show();
        showModeCaption(0);
    } else {
        HScroll1->hide();
        Text2->hide();
        Label1->hide();
        Label3->hide();
    }
}

// Every change of the text stores its value at once, and a table shown follows it.
void Base::Longvib_Change()
{
    const std::string text = Longvib->text().toStdString();
    const StoredLength stored = LengthFromText(text);
    vibratingLength = stored.value;
    showLengthState(stored.state);
    lengthHint->explain(text, stored);
    if (tableShown.system)
        followLength();
}

// The positions of the table shown, again at the new length, in the mode shown: "Tempérée
// Chromatique" shown at 650 and the length changed to 630 puts its twelfth fret at 315.
void Base::followLength()
{
    tableShown.length = vibratingLength;
    WriteTable(tableShown, *this);
}

void Base::showLengthState(LengthState state)
{
    if (state == lengthStateShown)
        return;
    lengthStateShown = state;
    QColor colour = palette().color(QPalette::HighlightedText);
    if (state == LengthState::OutOfRange)
        colour = outOfRangeColour;
    else if (state == LengthState::PartlyRead)
        colour = partlyReadColour;
    design::setBackground(Longvib, colour);
}

void Base::Command1_Click()
{
    Combo1->setEditText(QStringLiteral("Gamme :"));
    Longvib->setText(QString()); // runs Longvib_Change: the length becomes 0
    ClearTable();
}

void Base::Command2_Click()
{
    if (!info)
        info = std::make_unique<Info>();
    info->showModal();
}

// The sheet that fits the last chosen scale, the 14-row one before any choice.
void Base::Command4_Click()
{
    const Sheet sheet = SheetFor(scaleKind);
    auto &resultSheet = resultSheets[static_cast<std::size_t>(sheet)];
    if (!resultSheet)
        resultSheet = std::make_unique<ResultSheet>(sheets::designOf(sheet));
    resultSheet->showFilledFrom(*this);
}

// The pattern and the name of a mode, the name also for screen readers: "Mode de : Ré".
void Base::showModeCaption(int mode)
{
    design::setBoxText(Text2, fromUtf8(scales::Modes[mode].pattern));
    Label3->setText(fromUtf8(scales::Modes[mode].caption));
    HScroll1->setAccessibleName(Label3->text().trimmed());
}

// Modes of the Pythagorean diatonic scale: 0 is the major scale, 1 to 6 begin on Ré to Si.
void Base::HScroll1_Change()
{
    const int mode = HScroll1->value();
    if (mode < 0 || mode >= scales::ModeCount)
        return;
    showModeCaption(mode);
    if (const ScaleSystem *chosen = FindSystem(scaleKind); chosen && chosen->hasModes)
        tableShown = {chosen, mode, vibratingLength};
    if (mode == 0) {
        ComputeDiatonic();
        LabelDiatonicNotes();
        return;
    }
    WriteTable({}, scales::Modes[mode].rows, vibratingLength, *this);
}

void Base::ClearTable()
{
    for (int i = 0; i < RowCount; ++i) {
        for (QLineEdit *box : {Text1[i], Sol1[i]}) {
            box->hide();
            if (!box->text().isEmpty()) // emptying an empty box would only lay it out again
                box->clear();
        }
        design::nameFretBoxes(Text1[i], Sol1[i], 0);
    }
    tableShown = {};
    showModeControls(false);
}

// The rows of a set in its order, which is the order of its frets from the nut.
void Base::showRows(RowSet rows)
{
    int fret = 0;
    for (const RowRange &range : rows) {
        for (int i = range.first; i <= range.last; ++i) {
            Text1[i]->show();
            Sol1[i]->show();
            design::nameFretBoxes(Text1[i], Sol1[i], ++fret);
        }
    }
}

void Base::computePositions(const ScaleSystem &system)
{
    WriteTable(system, vibratingLength, *this);
}

void Base::labelNotes(std::span<const NoteRow> names)
{
    WriteNotes(names, *this);
}

// The rows that Zarlino and Pythagoras share, then the third, sixth and seventh of the kind
// chosen last when it is one of the two diatonic systems; for another kind, the shared rows.
void Base::ComputeDiatonic()
{
    const ScaleSystem &pythagorean = *FindSystem(ScaleKind::PythagoreanDiatonic);
    const ScaleSystem *chosen = FindSystem(scaleKind);
    const bool diatonic = chosen && chosen->shared.data() == pythagorean.shared.data();
    WriteTable(pythagorean.shared, diatonic ? chosen->own : Scale{}, vibratingLength, *this);
}

void Base::LabelDiatonicNotes()
{
    labelNotes(FindSystem(ScaleKind::PythagoreanDiatonic)->notes);
}

void Base::writePosition(int row, Currency position)
{
    const ShortText text = CurrencyText(position, decimalSeparator);
    design::setBoxText(Text1[row], fromUtf8(text.view()));
}

void Base::writeNote(int row, std::string_view note)
{
    design::setBoxText(Sol1[row], fromUtf8(note));
}

QString Base::positionText(int row) const
{
    return Text1[row]->text();
}

QString Base::noteText(int row) const
{
    return Sol1[row]->text();
}

// The text as typed, or the length the table is computed for when the text was not read whole:
// a sheet never shows "647,7" above the figures for 647.
QString Base::lengthText() const
{
    if (lengthStateShown == LengthState::Valid)
        return Longvib->text();
    const ShortText read = CurrencyText(vibratingLength, decimalSeparator);
    return fromUtf8(read.view());
}

QString Base::lengthExplanation() const
{
    return lengthStateShown == LengthState::Valid ? QString() : lengthHint->text();
}

// The scale whose table is shown, with its mode; the list's text while the table is empty.
QString Base::scaleText() const
{
    if (!tableShown.system)
        return Combo1->currentText();
    return QString::fromStdString(TableName(tableShown));
}
