// SPDX-License-Identifier: GPL-3.0-or-later
// The main window "Base" holds the whole working state of the program: the vibrating length and
// the kind of the scale chosen last, both read and written only here, and the 43-row table,
// which exists only as the texts and visibility of its position boxes Text1(i) and name boxes
// Sol1(i). Picking a scale clears the table and fills it again; typing a length stores it, and
// a table shown follows it at once.
// Every number comes from the scales library: this window forwards lengths and choices to it
// and writes the table of frets it returns into the boxes, doing no arithmetic of its own.
#pragma once

#include "currency.h"
#include "length_reading.h"
#include "scala_scale.h"
#include "sheet_contents.h"
#include "systems.h"
#include "table_rows.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

namespace output
{
class FileDialogs;
struct Dialogs;
} // namespace output

class Info;
class LengthHint;
class QAction;
class QComboBox;
class ResultSheet;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class Base : public QWidget
{
    Q_OBJECT

public:
    using LengthState = dorvane::LengthState;

    explicit Base(QWidget *parent = nullptr);
    ~Base() override;

    static constexpr int RowCount = design::RowCount;

    // Read-only views of the state, for the result sheets and for checks.
    dorvane::Currency storedLength() const { return vibratingLength; }
    dorvane::ScaleKind storedScaleKind() const { return scaleKind; }
    LengthState lengthState() const { return lengthStateShown; }

    // The eight scale names, in the order of the list.
    static QStringList scaleNames();

    // Opens the tuning window of a Scala file; a file that cannot be read is said.
    void openScalaFile(const QString &fileName);

    // The template dialog of a table, for a sheet's Ctrl+G and a tuning window's alike, with the
    // table of its scale at other lengths for a board's other strings, the scale's degrees for
    // the strings' tuning, the length as typed and what its box made of it.
    static void openTemplateDialog(QWidget *parent, const dorvane::FretTable &table,
                                   const dorvane::TableAt &tableAt, const dorvane::Degrees &degrees,
                                   const QString &lengthText, const QString &lengthExplanation,
                                   output::FileDialogs &dialogs);

    // The dialogs through which the window and its sheets ask for files and numbers and tell of
    // failures; the system's unless replaced (tests replace them).
    void setDialogs(output::Dialogs replacement);

protected:
    void paintEvent(QPaintEvent *event) override;
    // On the window's free background: the commands of scales of any tuning.
    void contextMenuEvent(QContextMenuEvent *event) override;
    // A Scala file dropped on the window opens it.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private slots:
    void OuvrirGamme_Click();
    void DiviserOctave_Click();
    void Combo1_Click();
    void Longvib_Change();
    void HScroll1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();

private:
    void createControls();
    void createTable();
    void createModeControls();
    void createScaleCommands();
    void showTuning(dorvane::ScalaScale scale, const QString &path);
    void setKeyboardOrder();

    // The steps of a choice, each as the table of systems gives it for the chosen one: the
    // design's ShowDiatonicRows and the other three are showRows of a row set, its
    // ComputeTemperedDiatonic and the other five are computePositions of a system, its
    // LabelDiatonicNotes and LabelChromaticNotes the names of the table computed.
    // Modes 1 to 6 rewrite every row but the octaves', which all modes share.
    enum class Rows { Every, ButOctaves };
    void ClearTable();
    void showRows(design::RowSet rows);
    void computePositions(const dorvane::TableChoice &choice, Rows rows = Rows::Every);
    void labelNotes(Rows rows = Rows::Every);
    // The two steps that the first mode runs again.
    void ComputeDiatonic();
    void LabelDiatonicNotes();

    void showModeControls(bool visible);
    void showModeCaption(int mode);
    void followLength();

    // What a result sheet is given: the boxes as they stand and the table shown.
    SheetContents sheetContents() const;
    QString lengthText() const;
    QString scaleText() const;

    dorvane::Currency vibratingLength;
    dorvane::ScaleKind scaleKind = dorvane::ScaleKind::NoScale;
    // What the table shows: the choice it was computed from, none while it shows nothing, and
    // the table of frets computed, which the boxes are written from.
    struct Shown {
        dorvane::TableChoice choice;
        dorvane::FretTable table;
    } shown;
    LengthState lengthStateShown = LengthState::Valid;
    std::string decimalSeparator;
    QImage background; // at one pixel to a pixel, drawn from the program's memory, never copied
    // Each secondary window exists at most once: made on the first request, reused after.
    std::unique_ptr<Info> info;
    std::array<std::unique_ptr<ResultSheet>, 4> resultSheets;
    // The file dialogs and the folder last chosen, which the sheets and their templates share.
    std::shared_ptr<output::FileDialogs> fileDialogs;
    QList<QAction *> scaleCommands; // open a Scala file, divide the octave

    QLabel *Label2;
    QLineEdit *Longvib;
    LengthHint *lengthHint; // what the box makes of a text it cannot read whole
    QPushButton *Command1;
    QComboBox *Combo1;
    QPushButton *Command4;
    QPushButton *Command2;
    std::array<QLineEdit *, RowCount> Text1;
    std::array<QLineEdit *, RowCount> Sol1;
    QLabel *Label1;
    QScrollBar *HScroll1;
    QLineEdit *Text2;
    QLabel *Label3;
};
