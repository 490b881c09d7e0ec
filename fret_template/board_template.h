// SPDX-License-Identifier: GPL-3.0-or-later
// A template of a whole fingerboard: its texts and extents around the board it draws.
#pragma once

#include "fret_template.h"

#include <string>
#include <string_view>
#include <vector>

namespace dorvane
{

// Labels each fret beyond the board's edges where its segment ends, odd frets on the side of
// the lowest string and even ones on the other, with its number, note and position on string
// 1; names the nut and the bridge; puts the title below and sets the extents. `t.board` and
// `t.frets` are made.
void LayOutBoard(FretTemplate &t, std::string_view separator);

// The smallest gap between two consecutive frets along any string of a board, and the fret
// before it.
std::optional<Gap> SmallestGap(const Fingerboard &board);

// Each string's positions in a column of its own, with the separator given: first the strings'
// lengths ("648", …, "686"), then their titles ("Corde 1" to "Corde N"), then a line a fret.
// Strings tuned to degrees are titled with their open note, "Corde 1 (Mi)", and each has a
// column "Note" after its positions, of what each fret sounds on it.
std::vector<std::vector<std::string>> BoardColumns(const Fingerboard &board,
                                                   std::string_view separator);

// The table a template is made of, as copied: "Longueur" and the length, then "Frette",
// "Position" and "Note", then a line a fret; for a board each string's length, and each string's
// positions under "Corde 1" to "Corde N" in place of the one position.
std::vector<std::vector<std::string>> TemplateRows(const FretTemplate &t,
                                                   std::string_view separator);

} // namespace dorvane
