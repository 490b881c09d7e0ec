// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_rows.h"

namespace design
{

namespace
{

constexpr RowRange diatonicRows[] = {{0, 6}, {11, 17}};
constexpr RowRange chromaticRows[] = {{0, 5}, {11, 16}, {26, 31}, {37, 42}};
constexpr RowRange pythagoreanChromaticRows[] = {{0, 8}, {11, 18}, {21, 29}, {32, 39}};
constexpr RowRange zarlinoChromaticRows[] = {{0, 20}, {21, 41}};

} // namespace

RowSet rowsOf(dorvane::Sheet sheet)
{
    switch (sheet) {
    case dorvane::Sheet::Rows14:
        return diatonicRows;
    case dorvane::Sheet::Rows24:
        return chromaticRows;
    case dorvane::Sheet::Rows34:
        return pythagoreanChromaticRows;
    case dorvane::Sheet::Rows42:
        break;
    }
    return zarlinoChromaticRows;
}

} // namespace design
