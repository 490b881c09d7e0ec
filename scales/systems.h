// SPDX-License-Identifier: GPL-3.0-or-later
// The eight scale systems of the list, in its order: the entry's text, how the positions and
// names of its frets are made, and the sheet that shows it. A new system is one entry of this
// table, with its frets in scale_tables.cpp where they are new; the window, the sheets, the
// benchmark and the tests all walk the table.
#pragma once

#include "fret_table.h"
#include "scale.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace dorvane
{

// The result sheet laid out for a system's frets: 14, 24, 34 or 42 of them.
enum class Sheet : std::uint8_t { Rows14, Rows24, Rows34, Rows42 };

struct ScaleSystem {
    std::string_view name; // the list entry, UTF-8: "Zarlino Diatonique"
    ScaleKind kind;
    // Its frets: those it shares with the other system of the same form (empty where there is
    // none), then its own, which carry their names where they have them.
    Scale shared{};
    Scale own;
    NoteNames notes{}; // the names of its frets; empty when its frets carry them
    Sheet sheet;
    bool hasModes = false; // the seven modes of the Pythagorean diatonic scale
};

namespace scales
{
inline constexpr int SystemCount = 8;
extern const std::span<const ScaleSystem, SystemCount> Systems;
} // namespace scales

// The system whose entry is exactly this text, letter case, accents and blanks included;
// null for any other text ("Zarlino diatonique" is none).
const ScaleSystem *FindSystem(std::string_view name);
// The system of a kind; null for NoScale.
const ScaleSystem *FindSystem(ScaleKind kind);

// The sheet for the kind chosen last: its system's, and the 14-row sheet before any choice.
Sheet SheetFor(ScaleKind kind);

// What a table of frets is computed from: a system, its mode (0 but for the system with modes)
// and the length. No system where the table is empty.
struct TableChoice {
    const ScaleSystem *system = nullptr;
    int mode = 0;
    Currency length;
};

// What a table is called on paper and in files: its system's list text, and for the system with
// modes the mode too: "Pythagore Diatonique, mode de Ré". Empty where the table is empty.
std::string TableName(const TableChoice &table);

// The table of a choice, its frets from the nut: "Zarlino Chromatique" at 650 begins with fret
// 1, "Do #", 26, 25/24; "Pythagore Diatonique" in the mode of Ré at 650 with fret 1, "Ré",
// 72.2222, 9/8. A mode outside 1 to 6 is the major scale; no system gives an empty table.
FretTable TableOf(const TableChoice &table);

// The interval of a fret whose position is found so: 9/8 on the half length is 9/4, the
// octave forms 2/1 and 4/1, 7 tempered semitones 2^(7/12).
Interval IntervalOf(const Position &position);

} // namespace dorvane
