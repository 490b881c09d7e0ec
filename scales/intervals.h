// SPDX-License-Identifier: GPL-3.0-or-later
// What a tuner needs of an interval: its size in cents, and how far it lies from the nearest
// note of twelve-tone equal temperament, with that note's name.
#pragma once

#include "fret_table.h"

#include <string>
#include <string_view>

namespace dorvane
{

// 1200 times the binary logarithm of the interval, from its exact terms, never from a rounded
// position: 9/8 is 203.91 cents, 5/4 386.31, 2^(7/12) 700.
double CentsOf(const Interval &interval);

// The note of twelve-tone equal temperament nearest to an interval above Do, and how far from
// it the interval lies, in cents: 9/8 is "Ré" +3.91, 5/4 "Mi" -13.69, 2187/2048 "Do #" +13.69.
struct Deviation {
    int semitones;         // of the nearest tempered note: 2 for Ré, 12 for the octave's Do
    std::string_view note; // "Ré", "Do #"
    double cents;          // signed: above the tempered note when positive
};
Deviation DeviationOf(double cents);

// The interval as a text: "9/8", "2^(7/12)", or in cents to three decimals with the separator
// given, "696,578 c".
std::string IntervalText(const Interval &interval, std::string_view separator = ".");

} // namespace dorvane
