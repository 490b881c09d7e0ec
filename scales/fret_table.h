// SPDX-License-Identifier: GPL-3.0-or-later
// The table of frets that every output is made of: the window's boxes, the result sheets, the
// template, the command line. One entry a fret, counted from the nut, in the scale's order.
#pragma once

#include "currency.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dorvane
{

// A fret's interval from the open string, exact where it can be: a ratio in lowest terms ("9/8",
// "2187/2048") or a number of equal steps of the octave (7 of 12, "2^(7/12)"); otherwise, for a
// tuning given in cents, its size in cents ("696.578 c"), as a degree's cents and the whole
// octaves above it, so that a note has one size within the octave wherever it falls.
struct Interval {
    std::uint64_t numerator = 1;
    std::uint64_t denominator = 1;
    int steps = 0;    // with `division`
    int division = 0; // 0 for a ratio
    double cents = 0; // with `measured`: of the degree, below the octaves
    bool measured = false;
    int octaves = 0; // with `measured`

    bool tempered() const { return division != 0; }
    friend bool operator==(const Interval &, const Interval &) = default;
};

// a/b in lowest terms: 18/8 gives 9/4.
Interval Ratio(std::uint64_t numerator, std::uint64_t denominator);
// n equal steps of the octave divided in `division`: 7 and 12 give 2^(7/12).
Interval Steps(int steps, int division);
// A size in cents, where no exact terms hold it: 696.578, or 696.578 an octave higher.
Interval Measured(double cents, int octaves = 0);

struct Fret {
    int number;       // 1 for the first fret above the open string
    std::string note; // unpadded: "Ré", "Sol #"
    Currency position;
    Interval interval;
};

struct FretTable {
    std::string title; // "Pythagore Diatonique, mode de Ré"; empty for an empty table
    Currency length;
    std::vector<Fret> frets;

    bool empty() const { return frets.empty(); }
};

} // namespace dorvane
