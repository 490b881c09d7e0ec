// SPDX-License-Identifier: GPL-3.0-or-later
// The one pitch type: an interval above a note, exact where it can be, for the tables, the Scala
// reader and writer, the tuning window and the command line alike.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dorvane
{

// A ratio ("9/8", "2187/2048"; a Scala file's "3" is 3/1), a number of equal steps of the octave
// (7 of 12, "2^(7/12)"), or, where no exact terms hold it, a size in cents ("696.578 c"), as a
// degree's cents and the whole octaves above it, so that a note has one size within the octave
// wherever it falls.
struct Interval {
    enum class Kind : std::uint8_t { Ratio, Steps, Cents };
    Kind kind = Kind::Ratio;
    std::uint64_t numerator = 1; // Ratio
    std::uint64_t denominator = 1;
    int steps = 0; // Steps: of the octave divided in `division`
    int division = 0;
    double cents = 0; // Cents: of the degree, below the octaves
    int octaves = 0;

    friend bool operator==(const Interval &, const Interval &) = default;
};

// a/b in lowest terms: 18/8 gives 9/4.
Interval Ratio(std::uint64_t numerator, std::uint64_t denominator);
// a/b as written, not reduced: a Scala file's "6/4".
Interval Written(std::uint64_t numerator, std::uint64_t denominator);
// n equal steps of the octave divided in `division`: 7 and 12 give 2^(7/12).
Interval Steps(int steps, int division);
// A size in cents, where no exact terms hold it: 696.578, or 696.578 an octave higher.
Interval Measured(double cents, int octaves = 0);

// A degree raised by whole periods, exact where the terms allow: 9/8 by two octaves 9/2, 7 of 12
// steps by one octave 19 of 12; in cents otherwise.
Interval Raised(const Interval &degree, const Interval &period, int periods);
// The interval from `lower` up to `upper`: 3/2 over 5/4 is 6/5, 19 of 31 steps over 7 of 31 is
// 12 of 31; in cents where no exact terms hold it.
Interval Over(const Interval &upper, const Interval &lower);

// The interval as the factor of a frequency, as the frets are computed from it: 9/8 gives
// 1.125 (a / b in double precision), 7 of 12 steps pow(2.0, 7.0 / 12.0), 696.578 c
// pow(2.0, 696.578 / 1200.0).
double FactorOf(const Interval &interval);

// 1200 times the binary logarithm of the interval, from its exact terms, never from a rounded
// position: 9/8 is 203.91 cents, 5/4 386.31, 2^(7/12) 700.
double CentsOf(const Interval &interval);

// How an interval is written: in the tuning table, "9/8", "2^(7/12)", "696,578 c" with the
// separator given; in a Scala file, for every reader, "9/8", "3/1", and steps and sizes in
// cents to five decimals with a point, "700.00000".
enum class Notation : std::uint8_t { Table, Scala };
std::string IntervalText(const Interval &interval, Notation notation = Notation::Table,
                         std::string_view separator = ".");

} // namespace dorvane
