// SPDX-License-Identifier: GPL-3.0-or-later
#include "intervals.h"

#include "decimal_text.h"

#include <cmath>

namespace dorvane
{

namespace
{

// The twelve notes of an octave from Do, named as the chromatic tables name them.
constexpr std::string_view chromaticNames[12] = {"Do",   "Do #", "Ré",    "Mi b", "Mi",   "Fa",
                                                 "Fa #", "Sol",  "Sol #", "La",   "Si b", "Si"};

} // namespace

double CentsOf(const Interval &interval)
{
    if (interval.measured)
        return interval.cents;
    if (interval.tempered())
        return 1200.0 * interval.steps / interval.division;
    // Each term below 2^53 is exact as a double; the logarithms then differ by the interval.
    return 1200.0 *
           (std::log2(double(interval.numerator)) - std::log2(double(interval.denominator)));
}

Deviation DeviationOf(double cents)
{
    const double nearest = std::nearbyint(cents / 100.0);
    const int semitones = static_cast<int>(nearest);
    const int inOctave = ((semitones % 12) + 12) % 12;
    return {semitones, chromaticNames[inOctave], cents - 100.0 * nearest};
}

std::string IntervalText(const Interval &interval, std::string_view separator)
{
    if (interval.measured)
        return DecimalText(interval.cents, 3, separator) + " c";
    if (interval.tempered())
        return "2^(" + std::to_string(interval.steps) + "/" + std::to_string(interval.division) +
               ")";
    return std::to_string(interval.numerator) + "/" + std::to_string(interval.denominator);
}

} // namespace dorvane
