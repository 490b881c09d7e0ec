// SPDX-License-Identifier: GPL-3.0-or-later
// Every scale as data: for each fret, counted from the nut, the note it sounds and how its
// position is found. One walker turns a scale into a table of frets (fret_table.h).
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

// How one fret's position is found. a and b are whole numbers, divided only when used.
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

// A fret of a scale, by its index from the nut (0 for the first fret); the note is empty where
// the names of the scale's frets are given for all its frets at once.
struct ScaleRow {
    int fret;
    std::string_view note;
    Position position;
};
using Scale = std::span<const ScaleRow>;

// A fret's name, without the blanks that pad it in a box: "Ré", "Sol #".
struct NoteName {
    int fret;
    std::string_view note;
};
using NoteNames = std::span<const NoteName>;

// One fret's position from the length L and the half length H: 9/8 on the length 650 gives
// 72.2222, on the half length 325 gives 361.1111; HalfShown with H 325 gives 325.
Currency PositionOf(const Position &position, Currency length, Currency halfLength);

namespace scales
{

// The names of the diatonic and of the simplified chromatic scales, shared by the three of
// each kind.
extern const NoteNames DiatonicNotes;
extern const NoteNames ChromaticNotes;

// The note of the open string, whose octaves are named as it is: "Do".
extern const std::string_view OpenStringNote;

// The seven natural notes and the semitones of each above Do: "Ré" 2.
struct NaturalNote {
    std::string_view name;
    int semitones;
};
extern const std::span<const NaturalNote, 7> NaturalNotes;

extern const Scale TemperedDiatonic;
extern const Scale TemperedChromatic;

// The diatonic frets shared by Zarlino and Pythagoras, then the frets of each.
extern const Scale DiatonicShared;
extern const Scale ZarlinoDiatonicOwn;
extern const Scale PythagoreanDiatonicOwn;

// The simplified chromatic frets shared by both, then the frets of each.
extern const Scale SimplifiedShared;
extern const Scale ZarlinoSimplifiedOwn;
extern const Scale PythagoreanSimplifiedOwn;

extern const Scale PythagoreanChromatic;
extern const Scale ZarlinoChromatic;

// The seven modes of the Pythagorean diatonic scale; mode 0 (Do) has no frets of its own.
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
