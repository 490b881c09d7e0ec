// SPDX-License-Identifier: GPL-3.0-or-later
// The strings of a board each tuned to a degree of the scale: in a just or Pythagorean tuning a
// fret cannot be right for every string, so each string has its frets where its own open note
// puts them. Free of Qt.
#pragma once

#include "fret_table.h"
#include "result.h"
#include "scala_scale.h"

#include <string>
#include <string_view>
#include <vector>

namespace dorvane
{

// One period of a scale, degree 0 (1/1) first, in ascending pitch, and the period itself.
struct Degrees {
    std::vector<double> factors;    // q_0 = 1, then each degree below the period
    std::vector<std::string> notes; // each degree's note, "Do" to "Si", for the eight systems;
                                    // none for a scale of any tuning, whose degrees are numbered
    double period = 2;
    std::vector<Interval> pitches; // each degree's exact interval, 1/1 first
    Interval periodPitch = Ratio(2, 1);
};

// The first octave of one of the eight systems' tables, as its Scala file lists it: in
// "Zarlino Chromatique simplifiée" degree 4 is "Mi", 5/4, and degree 11 "Si", 15/8.
Degrees DegreesOf(const FretTable &table);
// The degrees of a scale of any tuning, the last its period: 31 equal divisions give 31, the
// period 2.
Degrees DegreesOf(const ScalaScale &scale);

// Q(0) to Q(count - 1), Q(j) = q_(j mod n) x P^(j / n) being degree j counted on through the
// periods, P^o worked out once a period: in "Zarlino Chromatique simplifiée" Q(4) = 5/4 and
// Q(16) = 5/2.
std::vector<double> DegreeFactors(const Degrees &scale, int count);

// Fret k of a string of length L on degree d sounds degree d + k, and lies at
// L - CurrencyFromDouble(L x Q(d) / Q(d + k)): on "Mi" of "Zarlino Chromatique simplifiée" at
// 650, fret 1 ("Fa", 4/3 over 5/4 = 16/15) lies at 650 - 609.375 = 40.625.
Currency DegreePosition(Currency length, double qd, double qdk);

// The note that degree j sounds, "Fa" for 5 of a chromatic system; its number in the period,
// "5", for a scale of any tuning.
std::string DegreeNote(const Degrees &scale, int j);

// The table of a string on degree d of the table's scale: fret k sounds degree d + k, its
// interval Q(d + k) / Q(d) exact where the terms allow, its position as DegreePosition puts it;
// degree 0 is the table itself. On "Mi" of "Zarlino Chromatique simplifiée" at 650, fret 1 is
// "Fa", 16/15, at 40.625.
FretTable StringTable(const FretTable &table, const Degrees &scale, int degree);

// The strings' degrees, string 1 (the highest) first: notes as the table writes them, "Mi Si
// Sol Ré La Mi", or numbers from 0 to n - 1, "4,11,7,2,9,4", apart by blanks or commas; numbers
// only for a scale of any tuning. Refused: a note the scale has not (UnknownNote), a number
// beyond it (DegreeOutOfRange), a count other than `strings` (DegreeCount); each names the
// tuning's setting.
Result<std::vector<int>> ReadTuning(std::string_view text, const Degrees &scale, int strings);

// How the strings of a board are tuned: nothing, or a degree a string.
struct StringTuning {
    Degrees scale;
    std::vector<int> degrees; // string 1 to N; empty: every string on degree 0
    // Whether any string stands on a degree other than 0.
    bool tuned() const;
};

} // namespace dorvane
