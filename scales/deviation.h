// SPDX-License-Identifier: GPL-3.0-or-later
// What a tuner needs of an interval beside its cents: how far it lies from the nearest note of
// twelve-tone equal temperament, with that note's name.
#pragma once

#include "interval.h"

#include <optional>
#include <string>
#include <string_view>

namespace dorvane
{

// The note of twelve-tone equal temperament nearest to an interval above Do, and how far from
// it the interval lies, in cents, taken within the octave so that a note lies as far from it in
// every octave: 9/8 and 9/4 are "Ré" +3.91, 5/4 "Mi" -13.69, 2187/2048 "Do #" +13.69. The note
// is named as `spelled` names it where that is a name of the same tempered note ("Ré b" for
// 256/243, -9.78), otherwise as the tempered table does ("Do #"). Above another open note
// the tempered notes are counted from it: 16/15 above "Mi" is "Fa" +11.73.
struct Deviation {
    int semitones;    // of the nearest tempered note above Do, from 0 to 12 (the octave's Do)
    std::string note; // "Ré", "Do #"
    double cents;     // signed: above the tempered note when positive
};
Deviation DeviationOf(const Interval &interval, std::string_view spelled = {},
                      std::string_view open = {});

// The tempered note a name stands for, in semitones above Do from 0 to 11: "Ré" 2, "Ré b" 1,
// "Si #" 0; none for another name ("1\31").
std::optional<int> SemitonesOf(std::string_view note);

// The name of a tempered note, 0 to 11 semitones above Do, as the tempered table names it:
// 1 "Do #", 3 "Mi b".
std::string_view TemperedNote(int semitones);

} // namespace dorvane
