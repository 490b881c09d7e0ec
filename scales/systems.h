// SPDX-License-Identifier: GPL-3.0-or-later
// The eight scale systems of the list, in its order: the entry's text, the rows the system
// shows, how its positions and names are made, and the sheet that shows it. A new system is one
// entry of this table, with its rows in scale_tables.cpp where they are new; the window, the
// sheets, the benchmark and the tests all walk the table.
#pragma once

#include "scale.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane
{

// The result sheet laid out for a row set: 14, 24, 34 or 42 rows.
enum class Sheet : std::uint8_t { Rows14, Rows24, Rows34, Rows42 };

struct ScaleSystem {
    std::string_view name; // the list entry, UTF-8: "Zarlino Diatonique"
    ScaleKind kind;
    RowSet rows; // the rows it shows, in the order of its frets
    // Its positions: the rows it shares with the other system of the same form (empty where
    // there is none), then its own rows, which carry their names where they have them.
    Scale shared{};
    Scale own;
    std::span<const NoteRow> notes{}; // the names of its row set; empty when its rows carry them
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

// The system's table as the window writes it when the system is chosen, but for the names of
// its row set: its shared and own rows ("Zarlino Diatonique" at 650: 72.2222 in row 0).
void WriteTable(const ScaleSystem &system, Currency length, RowWriter &writer);

// What a table of frets was last computed from: a system, its mode (0 but for the system with
// modes) and the length at that moment. No system where the table is empty.
struct TableChoice {
    const ScaleSystem *system = nullptr;
    int mode = 0;
    Currency length;
};

// The positions of a table as the window shows it, in its mode, with the names that a mode's
// rows carry ("Pythagore Diatonique" in the mode of Ré at 650 writes 72.2222 in row 0); a mode
// outside 1 to 6 is the major scale.
void WriteTable(const TableChoice &table, RowWriter &writer);

// What a table is called on paper and in files: its system's list text, and for the system with
// modes the mode too: "Pythagore Diatonique, mode de Ré". Empty where the table is empty.
std::string TableName(const TableChoice &table);

// One fret, counted from the nut in the scale's order, with its name as the table writes it.
struct Fret {
    int number; // 1 for the first fret above the open string
    int row;    // its row of the table
    std::string_view note;
    Currency position;
};

// A name without the blanks that pad it in the table: "Ré  " is "Ré".
std::string_view TrimmedNote(std::string_view note);

// The frets of a table as the window shows it: "Zarlino Chromatique" at 650 begins with fret 1,
// row 0, "Do #", 26. A mode outside 1 to 6 is the major scale.
std::vector<Fret> FretsOf(const TableChoice &table);

} // namespace dorvane
