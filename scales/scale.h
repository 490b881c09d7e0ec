// SPDX-License-Identifier: GPL-3.0-or-later
// Every scale as data: for each row of the table, the note it names and how its position is
// found. One walker turns a table into positions; the main window only forwards them.
#pragma once

#include "currency.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace dorvane
{

enum class ScaleKind : int {
    NoScale = 0,
    ZarlinoDiatonic = 1,
    PythagoreanDiatonic = 2,
    TemperedDiatonic = 3,
    TemperedChromatic = 4,
    PythagoreanSimplifiedChromatic = 5,
    ZarlinoSimplifiedChromatic = 6,
    PythagoreanChromatic = 7,
    ZarlinoChromatic = 8,
};

enum class Form : std::uint8_t {
    Tempered,      // TemperedPosition(L, semitones)
    RatioOnLength, // RatioPosition(L, L, a, b)
    RatioOnHalf,   // RatioPosition(L, H, a, b)
    HalfShown,     // H itself
    Difference,    // L - H
    DoubleOctave,  // L - L / 4
};

// How one row's position is found. a and b are whole numbers, divided only when used.
struct Position {
    Form form;
    int semitones = 0;
    double a = 0;
    double b = 0;
};

constexpr Position Semitones(int n)
{
    return {Form::Tempered, n};
}
constexpr Position OnLength(double a, double b)
{
    return {Form::RatioOnLength, 0, a, b};
}
constexpr Position OnHalf(double a, double b)
{
    return {Form::RatioOnHalf, 0, a, b};
}
inline constexpr Position HalfShown{Form::HalfShown};
inline constexpr Position Difference{Form::Difference};
inline constexpr Position DoubleOctave{Form::DoubleOctave};

// A row of a scale; the note is empty where the row set's names are written instead.
struct ScaleRow {
    int row;
    std::string_view note;
    Position position;
};
using Scale = std::span<const ScaleRow>;

// A row of a list of note names.
struct NoteRow {
    int row;
    std::string_view note;
};

// A run of consecutive rows, both ends included.
struct RowRange {
    int first;
    int last;
};
using RowSet = std::span<const RowRange>;

inline constexpr int RowCount = 43;

// Where the table's rows go: positions as numbers, names as UTF-8 text.
class RowWriter
{
public:
    virtual ~RowWriter() = default;
    virtual void writePosition(int row, Currency position) = 0;
    virtual void writeNote(int row, std::string_view note) = 0;
};

// One row's position from the length L and the half length H: 9/8 on the length 650 gives
// 72.2222, on the half length 325 gives 361.1111; HalfShown with H 325 gives 325.
Currency PositionOf(const Position &position, Currency length, Currency halfLength);

// Writes the positions of the rows, in the order of the table.
void WritePositions(Scale scale, Currency length, Currency halfLength, RowWriter &writer);

// Writes the names of the rows that carry one, in the order of the table.
void WriteNotes(Scale scale, RowWriter &writer);
void WriteNotes(std::span<const NoteRow> notes, RowWriter &writer);

// The positions of shared then own rows, all from one half length, then the names the rows
// carry: for 650, Zarlino's shared and own diatonic rows give 72.2222 in row 0 and 130 in row 1.
void WriteTable(Scale shared, Scale own, Currency length, RowWriter &writer);

namespace scales
{

// Row sets: which rows each kind of table shows.
extern const RowSet DiatonicRows;             // 0-6, 11-17
extern const RowSet ChromaticRows;            // 0-5, 11-16, 26-31, 37-42
extern const RowSet PythagoreanChromaticRows; // 0-8, 11-18, 21-29, 32-39
extern const RowSet ZarlinoChromaticRows;     // 0-41

// Names of the diatonic and the 24-row chromatic sets.
extern const std::span<const NoteRow> DiatonicNotes;
extern const std::span<const NoteRow> ChromaticNotes;

extern const Scale TemperedDiatonic;
extern const Scale TemperedChromatic;

// The diatonic rows shared by Zarlino and Pythagoras, then the rows of each.
extern const Scale DiatonicShared;
extern const Scale ZarlinoDiatonicOwn;
extern const Scale PythagoreanDiatonicOwn;

// The simplified chromatic rows shared by both, then the rows of each.
extern const Scale SimplifiedShared;
extern const Scale ZarlinoSimplifiedOwn;
extern const Scale PythagoreanSimplifiedOwn;

extern const Scale PythagoreanChromatic;
extern const Scale ZarlinoChromatic;

// The seven modes of the Pythagorean diatonic scale; mode 0 (Do) has no rows of its own.
struct Mode {
    std::string_view name; // the degree it begins on: "Ré"
    std::string_view pattern;
    std::string_view caption;
    Scale rows;
};
inline constexpr int ModeCount = 7;
extern const std::span<const Mode, ModeCount> Modes;

} // namespace scales

} // namespace dorvane
