// SPDX-License-Identifier: GPL-3.0-or-later
// The main window "Base" holds the whole working state of the program: the vibrating length and
// the kind of the scale chosen last, both read and written only here, and the 43-row table,
// which exists only as the texts and visibility of its position boxes Text1(i) and name boxes
// Sol1(i). Typing a length only stores it; picking a scale clears the table and fills it again.
// Every number comes from the scales library: this window forwards lengths and table rows to
// it and writes what it returns into the boxes, doing no arithmetic of its own.
#pragma once

#include "currency.h"
#include "scale.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

class Info;
class QComboBox;
class ResultSheet;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class Base : public QWidget, private dorvane::RowWriter
{
    Q_OBJECT

public:
    enum class LengthState { Valid, PartlyRead, OutOfRange };

    explicit Base(QWidget *parent = nullptr);
    ~Base() override;

    static constexpr int RowCount = dorvane::RowCount;

    // Read-only views of the state, for the result sheets and for checks.
    dorvane::Currency storedLength() const { return vibratingLength; }
    dorvane::ScaleKind storedScaleKind() const { return scaleKind; }
    LengthState lengthState() const { return lengthStateShown; }

    // The eight scale names, in the order of the list.
    static QStringList scaleNames();

protected:
    void paintEvent(QPaintEvent *event) override;

private slots:
    void Combo1_Click();
    void Longvib_Change();
    void HScroll1_Change();
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();

private:
    struct ScaleChoice;
    static const ScaleChoice scaleChoices[];

    void createControls();
    void createTable();
    void createModeControls();
    void setTabOrder();

    void ClearTable();
    void ShowDiatonicRows();
    void ShowChromaticRows();
    void ShowPythagoreanChromaticRows();
    void ShowZarlinoChromaticRows();
    void LabelDiatonicNotes();
    void LabelChromaticNotes();
    void ComputeTemperedDiatonic();
    void ComputeTemperedChromatic();
    void ComputeDiatonic();
    void ComputeSimplifiedChromatic();
    void ComputePythagoreanChromatic();
    void ComputeZarlinoChromatic();

    void showRows(dorvane::RowSet rows);
    void showModeControls(bool visible);
    void showModeCaption(int mode);
    void showLengthState(LengthState state);

    void writePosition(int row, dorvane::Currency position) override;
    void writeNote(int row, std::string_view note) override;

    dorvane::Currency vibratingLength;
    dorvane::ScaleKind scaleKind = dorvane::ScaleKind::NoScale;
    LengthState lengthStateShown = LengthState::Valid;
    std::string decimalSeparator;
    QImage background; // drawn from the program's memory, never copied
    // Each secondary window exists at most once: made on the first request, reused after.
    std::unique_ptr<Info> info;
    std::array<std::unique_ptr<ResultSheet>, 4> resultSheets;

    QLabel *Label2;
    QLineEdit *Longvib;
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
