// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's table: the rows a scale shows, the table of frets the core computes for it
// written into their boxes, and what a result sheet is given of them.
#include "base.h"

#include "design.h"
#include "length_hint.h"

#include <QComboBox>
#include <QLineEdit>

using namespace dorvane;

namespace
{

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A fret's name as its box shows it, padded as designed: the scales' names to four characters
// ("Ré  ", "Sol ", "Mi b"); the names of the modes on Ré to Si with one blank after a natural
// note ("Ré ", "Sol ") and none after a sharp or a flat, but for two spellings of the mode on La
// ("Ré  " on its first fret, "Sol  " on its eleventh), and the octaves' "Do  " as the scale has
// them.
QString boxNote(const std::string &note, int mode, int fret)
{
    QString text = fromUtf8(note);
    if (mode == 0 || note == "Do") {
        while (text.size() < 4)
            text += QLatin1Char(' ');
        return text;
    }
    constexpr int ModeLa = 5;
    if (mode == ModeLa && (fret == 0 || fret == 10))
        return text + QStringLiteral("  ");
    return text.contains(QLatin1Char(' ')) ? text : text + QLatin1Char(' ');
}

} // namespace

// The rows of a set in its order, which is the order of its frets from the nut.
void Base::showRows(design::RowSet rows)
{
    design::forEachRow(rows, [this](int fret, int row) {
        Text1[row]->show();
        Sol1[row]->show();
        design::nameFretBoxes(Text1[row], Sol1[row], fret + 1);
    });
}

// The table of a choice, computed once by the core; its positions go into the rows of its
// system, as the design's Compute steps write them.
void Base::computePositions(const TableChoice &choice)
{
    computed = TableOf(choice);
    computedFrom = choice;
    const design::RowSet rows = design::rowsOf(choice.system->sheet);
    design::forEachRow(rows, [this](int fret, int row) {
        const ShortText text =
            CurrencyText(computed.frets[static_cast<std::size_t>(fret)].position, decimalSeparator);
        design::setBoxText(Text1[row], fromUtf8(text.view()));
    });
}

// The names of the table computed last, as the design's Label steps write them.
void Base::labelNotes()
{
    const int mode = computedFrom.system->hasModes ? computedFrom.mode : 0;
    design::forEachRow(design::rowsOf(computedFrom.system->sheet), [&](int fret, int row) {
        design::setBoxText(
            Sol1[row], boxNote(computed.frets[static_cast<std::size_t>(fret)].note, mode, fret));
    });
}

// The major scale of the diatonic system chosen last, Zarlino's or Pythagoras'; for another
// kind, which the choice of a scale then overwrites, Pythagoras'.
void Base::ComputeDiatonic()
{
    const ScaleSystem *chosen = FindSystem(scaleKind);
    const bool diatonic = chosen && (chosen->kind == ScaleKind::ZarlinoDiatonic ||
                                     chosen->kind == ScaleKind::PythagoreanDiatonic);
    computePositions(
        {diatonic ? chosen : FindSystem(ScaleKind::PythagoreanDiatonic), 0, vibratingLength});
}

void Base::LabelDiatonicNotes()
{
    labelNotes();
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

// The scale whose table is shown, with its mode; the list's text while the table is empty.
QString Base::scaleText() const
{
    if (!tableShown.system)
        return Combo1->currentText();
    return QString::fromStdString(TableName(tableShown));
}

SheetContents Base::sheetContents() const
{
    SheetContents contents;
    for (int i = 0; i < RowCount; ++i) {
        contents.positions[static_cast<std::size_t>(i)] = Text1[i]->text();
        contents.notes[static_cast<std::size_t>(i)] = Sol1[i]->text();
    }
    contents.length = lengthText();
    contents.lengthExplanation =
        lengthStateShown == LengthState::Valid ? QString() : lengthHint->text();
    contents.scaleName = scaleText();
    contents.table = TableOf(tableShown);
    return contents;
}
