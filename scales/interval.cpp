// SPDX-License-Identifier: GPL-3.0-or-later
#include "interval.h"

#include "decimal_text.h"

#include <cmath>
#include <numeric>

namespace dorvane
{

Interval Ratio(std::uint64_t numerator, std::uint64_t denominator)
{
    const std::uint64_t common = std::gcd(numerator, denominator);
    return Written(numerator / common, denominator / common);
}

Interval Written(std::uint64_t numerator, std::uint64_t denominator)
{
    return {Interval::Kind::Ratio, numerator, denominator};
}

Interval Steps(int steps, int division)
{
    return {Interval::Kind::Steps, 1, 1, steps, division};
}

Interval Measured(double cents, int octaves)
{
    return {Interval::Kind::Cents, 1, 1, 0, 0, cents, octaves};
}

double FactorOf(const Interval &interval)
{
    switch (interval.kind) {
    case Interval::Kind::Ratio:
        return double(interval.numerator) / double(interval.denominator);
    case Interval::Kind::Steps:
        return std::pow(2.0, double(interval.steps) / double(interval.division));
    case Interval::Kind::Cents:
        break;
    }
    return std::pow(2.0, CentsOf(interval) / 1200.0);
}

double CentsOf(const Interval &interval)
{
    switch (interval.kind) {
    case Interval::Kind::Ratio:
        // Each term below 2^53 is exact as a double; the logarithms then differ by the interval.
        return 1200.0 *
               (std::log2(double(interval.numerator)) - std::log2(double(interval.denominator)));
    case Interval::Kind::Steps:
        return 1200.0 * interval.steps / interval.division;
    case Interval::Kind::Cents:
        break;
    }
    return interval.cents + 1200.0 * interval.octaves;
}

std::string IntervalText(const Interval &interval, Notation notation, std::string_view separator)
{
    const bool scala = notation == Notation::Scala;
    switch (interval.kind) {
    case Interval::Kind::Ratio:
        return std::to_string(interval.numerator) + "/" + std::to_string(interval.denominator);
    case Interval::Kind::Steps:
        if (scala)
            break;
        return "2^(" + std::to_string(interval.steps) + "/" + std::to_string(interval.division) +
               ")";
    case Interval::Kind::Cents:
        if (!scala)
            return DecimalText(CentsOf(interval), 3, separator) + " c";
        break;
    }
    return DecimalText(CentsOf(interval), 5);
}

namespace
{

// a/b times c/d into a/b, in lowest terms when a/b and c/d are; false beyond 2^64.
bool times(std::uint64_t &a, std::uint64_t &b, std::uint64_t c, std::uint64_t d)
{
    const std::uint64_t ad = std::gcd(a, d), cb = std::gcd(c, b);
    return !__builtin_mul_overflow(a / ad, c / cb, &a) &&
           !__builtin_mul_overflow(b / cb, d / ad, &b);
}

} // namespace

Interval Raised(const Interval &degree, const Interval &period, int periods)
{
    using K = Interval::Kind;
    if (degree.kind == K::Steps && period.kind == K::Steps && period.steps == period.division)
        return Steps(degree.steps + periods * degree.division, degree.division);
    if (degree.kind == K::Ratio && period.kind == K::Ratio) {
        const Interval d = Ratio(degree.numerator, degree.denominator);
        const Interval p = Ratio(period.numerator, period.denominator);
        std::uint64_t a = d.numerator, b = d.denominator;
        bool exact = true;
        for (int o = 0; o < periods && exact; ++o)
            exact = times(a, b, p.numerator, p.denominator);
        if (exact)
            return Written(a, b);
    }
    if (CentsOf(period) == 1200.0)
        return Measured(CentsOf(degree), periods);
    return Measured(CentsOf(degree) + periods * CentsOf(period));
}

Interval Over(const Interval &upper, const Interval &lower)
{
    using K = Interval::Kind;
    if (upper.kind == K::Steps && lower.kind == K::Steps && upper.division == lower.division)
        return Steps(upper.steps - lower.steps, upper.division);
    if (upper.kind == K::Ratio && lower.kind == K::Ratio) {
        const Interval u = Ratio(upper.numerator, upper.denominator);
        const Interval l = Ratio(lower.numerator, lower.denominator);
        std::uint64_t a = u.numerator, b = u.denominator;
        if (times(a, b, l.denominator, l.numerator))
            return Ratio(a, b);
    }
    return Measured(CentsOf(upper) - CentsOf(lower));
}

} // namespace dorvane
