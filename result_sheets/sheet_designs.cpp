// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_designs.h"

namespace sheets
{

using dorvane::Sheet;

const SheetDesign Capture14 = {.name = "Capture14",
                               .rows = design::rowsOf(Sheet::Rows14),
                               .cellsPerColumn = {6, 8, 0, 0},
                               .clientWidth = 4695,
                               .clientHeight = 4335,
                               .lengthCell = "Text2",
                               .lengthLabelCell = "Tex2",
                               .lengthHeader = "Label2",
                               .noteHeader = "Label1",
                               .scaleNamePoints = 9.75,
                               .narrowNotes = {-1, -1, -1},
                               .firstFocus = "Text2",
                               .lineNames = {"Line1", "Line2", "Line4", "Line3", "Line5"}};

const SheetDesign Capture24 = {.name = "Capture24",
                               .rows = design::rowsOf(Sheet::Rows24),
                               .cellsPerColumn = {11, 13, 0, 0},
                               .clientWidth = 4695,
                               .clientHeight = 6735,
                               .lengthCell = "Text2",
                               .lengthLabelCell = "Tex2",
                               .lengthHeader = "Label1",
                               .noteHeader = "Label2",
                               .scaleNamePoints = 9.75,
                               .narrowNotes = {13, 15, 39},
                               .firstFocus = "Text1(0)",
                               .lineNames = {"Line1", "Line2", "Line3", "Line4", "Line5"}};

const SheetDesign Capture34 = {.name = "Capture34",
                               .rows = design::rowsOf(Sheet::Rows34),
                               .cellsPerColumn = {10, 12, 12, 0},
                               .clientWidth = 6975,
                               .clientHeight = 6255,
                               .lengthCell = "Text43",
                               .lengthLabelCell = "Tex43",
                               .lengthHeader = "Label1",
                               .noteHeader = "Label2",
                               .scaleNamePoints = 11.25,
                               .narrowNotes = {8, 21, 34},
                               .firstFocus = "Text1(36)",
                               .lineNames = {"Line5", "Line2", "Line1", "Line4", "Line9"}};

const SheetDesign Capture42 = {.name = "Capture42",
                               .rows = design::rowsOf(Sheet::Rows42),
                               .cellsPerColumn = {9, 11, 11, 11},
                               .clientWidth = 9255,
                               .clientHeight = 5775,
                               .lengthCell = "Text43",
                               .lengthLabelCell = "Tex43",
                               .lengthHeader = "Label1",
                               .noteHeader = "Label2",
                               .scaleNamePoints = 9.75,
                               .narrowNotes = {8, 18, 29},
                               .firstFocus = "Tex43",
                               .lineNames = {"Line1", "Line2", "Line3", "Line4", "Line5"}};

const SheetDesign &designOf(dorvane::Sheet sheet)
{
    switch (sheet) {
    case dorvane::Sheet::Rows14:
        return Capture14;
    case dorvane::Sheet::Rows24:
        return Capture24;
    case dorvane::Sheet::Rows34:
        return Capture34;
    case dorvane::Sheet::Rows42:
        break;
    }
    return Capture42;
}

} // namespace sheets
