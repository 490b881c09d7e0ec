// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of the windows' tables: the main window's 43 pairs of boxes and the sheets' cells,
// numbered from 0, and which rows show the frets of each kind of scale, in the order of the
// frets from the nut.
#pragma once

#include "systems.h"

#include <span>

namespace design
{

inline constexpr int RowCount = 43;

// A run of consecutive rows, both ends included.
struct RowRange {
    int first;
    int last;
};
using RowSet = std::span<const RowRange>;

// The rows of a sheet's frets, which the main window shows too: 0-6 and 11-17 for the 14-row
// sheet; 0-5, 11-16, 26-31 and 37-42 for the 24-row one; 0-8, 11-18, 21-29 and 32-39 for the
// 34-row one; 0-41 for the 42-row one.
RowSet rowsOf(dorvane::Sheet sheet);

// The row of each fret, counted from 0, in the order of the frets: for the 14-row sheet, fret
// 7 stands in row 11.
template <class Each> void forEachRow(RowSet rows, Each each)
{
    int fret = 0;
    for (const RowRange &range : rows) {
        for (int row = range.first; row <= range.last; ++row)
            each(fret++, row);
    }
}

} // namespace design
