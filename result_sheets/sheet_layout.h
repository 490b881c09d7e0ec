// SPDX-License-Identifier: GPL-3.0-or-later
// A result sheet's controls laid out from its design: the scale name, the headers, the length
// line, one position and one note cell per row of its set, the frame and the rule.
#pragma once

#include "sheet_designs.h"

#include <array>

class QLabel;
class QLineEdit;
class QObject;
class QWidget;

// The controls a sheet fills and reads; a cell of a row outside the sheet's set is null.
struct SheetCells {
    QLabel *scaleName = nullptr;                           // Label3
    QLineEdit *length = nullptr;                           // Text2 or Text43
    std::array<QLineEdit *, design::RowCount> positions{}; // Text1(i)
    std::array<QLineEdit *, design::RowCount> notes{};     // Tex1(i)
};

// Makes the controls of the design in `controls`, which has the size of the sheet, gives the
// focus to the design's first box and has `cellEvents` watch every box; all empty but the
// design's captions and "Diap.".
SheetCells layOutSheet(const SheetDesign &design, QWidget *controls, QObject *cellEvents);
