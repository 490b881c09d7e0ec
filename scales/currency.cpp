// SPDX-License-Identifier: GPL-3.0-or-later
#include "currency.h"

#include <array>
#include <cmath>
#include <cstring>

namespace dorvane
{

namespace
{

constexpr double Scale = 10000.0;
// 2^63: the first double past the largest int64; -2^63 itself is the smallest int64.
constexpr double TwoTo63 = 9223372036854775808.0;

// "00", "01", ... "99": the text of a number is written two digits at a time.
constexpr char DigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// A regional decimal separator is one character, at most four bytes in UTF-8; a longer one is
// cut to what the text holds (no system gives one).
constexpr std::size_t MaxSeparatorBytes = 16;

// Every multiplication and division of a position is checked before it goes on.
double checked(double value)
{
    if (!std::isfinite(value))
        throw CurrencyOverflow("invalid or overflowing double arithmetic");
    return value;
}

// The powers of the semitone factor that two octaves need, computed when the program starts.
constexpr int CachedSemitones = 24;
const std::array<double, CachedSemitones + 1> semitonePowers = [] {
    std::array<double, CachedSemitones + 1> powers{};
    for (int n = 0; n <= CachedSemitones; ++n)
        powers[static_cast<std::size_t>(n)] = std::pow(SemitoneFactor, static_cast<double>(n));
    return powers;
}();

} // namespace

double SemitonePower(int semitones)
{
    if (semitones >= 0 && semitones <= CachedSemitones)
        return semitonePowers[static_cast<std::size_t>(semitones)];
    return std::pow(SemitoneFactor, static_cast<double>(semitones));
}

double DoubleFromCurrency(Currency c)
{
    return static_cast<double>(c.scaled()) / Scale;
}

Currency CurrencyFromDouble(double x)
{
    const double scaled = checked(checked(x) * Scale);
    // nearbyint in the default rounding mode: to nearest, ties to even.
    const double whole = std::nearbyint(scaled);
    if (!(whole >= -TwoTo63 && whole < TwoTo63))
        throw CurrencyOverflow("value outside the range of a length");
    return Currency::fromScaled(static_cast<std::int64_t>(whole));
}

Currency operator-(Currency a, Currency b)
{
    std::int64_t difference;
    if (__builtin_sub_overflow(a.scaled(), b.scaled(), &difference))
        throw CurrencyOverflow("difference outside the range of a length");
    return Currency::fromScaled(difference);
}

Currency operator+(Currency a, Currency b)
{
    std::int64_t sum;
    if (__builtin_add_overflow(a.scaled(), b.scaled(), &sum))
        throw CurrencyOverflow("sum outside the range of a length");
    return Currency::fromScaled(sum);
}

Currency HalfLength(Currency length)
{
    return CurrencyFromDouble(checked(DoubleFromCurrency(length) / 2.0));
}

Currency TemperedPosition(Currency length, int semitones)
{
    const double factor = checked(SemitonePower(semitones));
    const double l = DoubleFromCurrency(length);
    const double x = checked(l * factor);
    return length - CurrencyFromDouble(x);
}

Currency RatioPosition(Currency length, Currency base, double a, double b)
{
    const double l = DoubleFromCurrency(base);
    const double q = checked(a / b);
    const double x = checked(l / q);
    return length - CurrencyFromDouble(x);
}

Currency DoubleOctavePosition(Currency length)
{
    return length - CurrencyFromDouble(checked(DoubleFromCurrency(length) / 4.0));
}

ShortText CurrencyText(Currency c, std::string_view decimalSeparator)
{
    const std::int64_t scaled = c.scaled();
    // The magnitude as unsigned, so that -2^63 needs no negation in signed arithmetic.
    std::uint64_t whole = scaled < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(scaled)
                                     : static_cast<std::uint64_t>(scaled);
    auto fraction = static_cast<std::uint32_t>(whole % 10000);
    whole /= 10000;

    // Written backwards from the end of the buffer.
    ShortText text;
    char *first = text.bytes + ShortText::Capacity;
    if (fraction != 0) {
        int places = 4;
        while (fraction % 10 == 0) { // trailing zeros are dropped
            fraction /= 10;
            --places;
        }
        for (; places > 0; --places) {
            *--first = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        const std::string_view separator = decimalSeparator.substr(0, MaxSeparatorBytes);
        first -= separator.size();
        std::memcpy(first, separator.data(), separator.size());
    }
    // Two digits at a time from a table of the hundred pairs.
    while (whole >= 100) {
        first -= 2;
        std::memcpy(first, DigitPairs + 2 * (whole % 100), 2);
        whole /= 100;
    }
    if (whole >= 10) {
        first -= 2;
        std::memcpy(first, DigitPairs + 2 * whole, 2);
    } else {
        *--first = static_cast<char>('0' + whole);
    }
    if (scaled < 0)
        *--first = '-';
    text.first = static_cast<std::size_t>(first - text.bytes);
    return text;
}

} // namespace dorvane
