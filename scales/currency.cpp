#include "currency.h"

#include <cmath>

namespace dorvane
{

namespace
{

constexpr double Scale = 10000.0;
// 2^63: the first double past the largest int64; -2^63 itself is the smallest int64.
constexpr double TwoTo63 = 9223372036854775808.0;

// Every multiplication and division of a position is checked before it goes on.
double checked(double value)
{
    if (!std::isfinite(value))
        throw CurrencyOverflow("invalid or overflowing double arithmetic");
    return value;
}

} // namespace

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

Currency HalfLength(Currency length)
{
    return CurrencyFromDouble(checked(DoubleFromCurrency(length) / 2.0));
}

Currency TemperedPosition(Currency length, int semitones)
{
    const double factor = checked(std::pow(SemitoneFactor, static_cast<double>(semitones)));
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

std::string CurrencyText(Currency c, std::string_view decimalSeparator)
{
    const std::int64_t scaled = c.scaled();
    // The magnitude as unsigned, so that -2^63 needs no negation in signed arithmetic.
    const std::uint64_t magnitude = scaled < 0
                                        ? std::uint64_t{0} - static_cast<std::uint64_t>(scaled)
                                        : static_cast<std::uint64_t>(scaled);
    std::string text = scaled < 0 ? "-" : "";
    text += std::to_string(magnitude / 10000);
    std::uint64_t fraction = magnitude % 10000;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 4 - digits.size(), '0');
        digits.erase(digits.find_last_not_of('0') + 1);
        text += decimalSeparator;
        text += digits;
    }
    return text;
}

} // namespace dorvane
