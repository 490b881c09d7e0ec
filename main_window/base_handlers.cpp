// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window does: its handlers.
#include "base.h"

#include "design.h"
#include "info.h"
#include "length_hint.h"
#include "result_sheet.h"
#include "template_dialog.h"
#include "tuning_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

using namespace dorvane;

namespace
{

} // namespace

void Base::openTemplateDialog(QWidget *parent, const FretTable &table, const TableAt &tableAt,
                              const Degrees &degrees, const QString &lengthText,
                              const QString &lengthExplanation, output::FileDialogs &dialogs)
{
    TemplateDialog dialog(table, {tableAt, degrees}, lengthText, lengthExplanation, dialogs,
                          parent);
    dialog.exec();
}

namespace
{

// What a sheet opens on its table: the template dialog (Ctrl+G) and the tuning window (Ctrl+D),
// whose scales of any tuning make templates too.
const ResultSheet::Openers sheetOpeners = {
    &Base::openTemplateDialog,
    [](QWidget *sheet, const FretTable &table, output::FileDialogs &dialogs) {
        TuningWindow window(table, dialogs, &Base::openTemplateDialog, sheet);
        window.exec();
    },
};

} // namespace

// Picking an entry, even the one already shown, clears the table and fills it for that scale.
void Base::Combo1_Click()
{
    if (const ScaleSystem *system = FindSystem(Combo1->currentText().toStdString())) {
        ClearTable();
        if (system->hasModes)
            HScroll1->setValue(0); // may run HScroll1_Change at once
        showRows(design::rowsOf(system->sheet));
        scaleKind = system->kind; // before the positions: ComputeDiatonic reads it
        computePositions({system, 0, vibratingLength});
        labelNotes();
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
    lengthStateShown = stored.state;
    lengthHint->explain(text, stored); // and the box's ground
    if (shown.choice.system)
        followLength();
}

// The positions of the table shown, again at the new length, in the mode shown: "Tempérée
// Chromatique" shown at 650 and the length changed to 630 puts its twelfth fret at 315.
void Base::followLength()
{
    computePositions({shown.choice.system, shown.choice.mode, vibratingLength});
    labelNotes();
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
        resultSheet =
            std::make_unique<ResultSheet>(sheets::designOf(sheet), fileDialogs, sheetOpeners);
    resultSheet->showFilled(sheetContents());
}

// The pattern and the name of a mode, the name also for screen readers: "Mode de : Ré".
void Base::showModeCaption(int mode)
{
    design::setBoxText(Text2, QString::fromUtf8(scales::Modes[mode].pattern));
    Label3->setText(QString::fromUtf8(scales::Modes[mode].caption));
    HScroll1->setAccessibleName(Label3->text().trimmed());
}

// Modes of the Pythagorean diatonic scale: 0 is the major scale, 1 to 6 begin on Ré to Si.
void Base::HScroll1_Change()
{
    const int mode = HScroll1->value();
    if (mode < 0 || mode >= scales::ModeCount)
        return;
    showModeCaption(mode);
    if (mode == 0) {
        ComputeDiatonic();
        LabelDiatonicNotes();
        return;
    }
    computePositions({FindSystem(ScaleKind::PythagoreanDiatonic), mode, vibratingLength},
                     Rows::ButOctaves);
    labelNotes(Rows::ButOctaves);
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
    shown = {};
    showModeControls(false);
}
