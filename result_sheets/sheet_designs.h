// SPDX-License-Identifier: GPL-3.0-or-later
// The four result sheets as data: one design per row set, which one class lays out.
#pragma once

#include "table_rows.h"

#include <array>

struct SheetDesign {
    const char *name;                  // "Capture24"
    design::RowSet rows;               // the row indices of its cells
    std::array<int, 4> cellsPerColumn; // 0 past the last column
    int clientWidth;                   // twips
    int clientHeight;                  // twips
    const char *lengthCell;            // "Text2" or "Text43"
    const char *lengthLabelCell;       // "Tex2" or "Tex43"
    const char *lengthHeader;          // "Label1" or "Label2"
    const char *noteHeader;
    double scaleNamePoints;         // 9.75, or 11.25 on Capture34
    std::array<int, 3> narrowNotes; // note cells in "MS Sans Serif"; -1 for none
    const char *firstFocus;         // the box with tab index 0
    // The names of the frame's left, top, right and bottom lines and of the header rule.
    const char *lineNames[5];
};

namespace sheets
{
extern const SheetDesign Capture14;
extern const SheetDesign Capture24;
extern const SheetDesign Capture34;
extern const SheetDesign Capture42;

// The design of a sheet: Rows42 gives Capture42.
const SheetDesign &designOf(dorvane::Sheet sheet);
} // namespace sheets
