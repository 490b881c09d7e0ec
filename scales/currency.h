// SPDX-License-Identifier: GPL-3.0-or-later
// Fixed-point lengths: every length and fret position is a count of ten-thousandths held in a
// signed 64-bit integer, so it has exactly four decimals. The order of the double operations in
// each form below decides the last decimal a luthier reads; do not rearrange them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dorvane
{

// Thrown when a value cannot be held as a Currency (out of range, or not a finite number), or
// when the double arithmetic of a position overflows or becomes invalid.
class CurrencyOverflow : public std::overflow_error
{
public:
    using std::overflow_error::overflow_error;
};

class Currency
{
public:
    constexpr Currency() = default;
    // 6500000 ten-thousandths is 650.
    static constexpr Currency fromScaled(std::int64_t tenThousandths)
    {
        Currency c;
        c.scaled_ = tenThousandths;
        return c;
    }
    constexpr std::int64_t scaled() const { return scaled_; }

    friend constexpr bool operator==(Currency, Currency) = default;
    friend constexpr auto operator<=>(Currency, Currency) = default;

private:
    std::int64_t scaled_ = 0;
};

// The double nearest to 0.9438743126817, 2^(-1/12) to 13 decimals, bits 3FEE3437E710137E.
// Stored, never computed: its small excess over 2^(-1/12) is part of every tempered position.
inline constexpr double SemitoneFactor = 0.9438743126817;

// pow(SemitoneFactor, n), the factor of n tempered semitones: 12 gives 0.5000000000000411.
// The powers 0 to 24, which the tables use, are computed once, by the same call.
double SemitonePower(int semitones);

// 3250000 gives 325.0.
double DoubleFromCurrency(Currency c);

// 325.00005 gives 3250000 (x * 10000 = 3250000.5, a tie, goes to the even neighbour).
// Throws CurrencyOverflow beyond the 64-bit range or for NaN and infinities.
Currency CurrencyFromDouble(double x);

// Exact difference and sum; throw CurrencyOverflow outside the range.
Currency operator-(Currency a, Currency b);
Currency operator+(Currency a, Currency b);

// 650 gives 325; 650.0001 gives 325 too (the tie at 3250000.5 goes to even).
Currency HalfLength(Currency length);

// 650 at 12 semitones gives 325; at 1 semitone 36.4817.
Currency TemperedPosition(Currency length, int semitones);

// length - base / (a / b): 650 on 650 with 9/8 gives 72.2222; on the half length 325, 361.1111.
Currency RatioPosition(Currency length, Currency base, double a, double b);

// The Do of the double octave, length - length / 4: 650 gives 487.5.
Currency DoubleOctavePosition(Currency length);

// The text of a value, held in place without allocation: a table writes one for every row.
class ShortText
{
public:
    std::string_view view() const & { return {bytes + first, Capacity - first}; }
    std::string_view view() const && = delete; // the view would outlive its text
    std::string str() const { return std::string(bytes + first, Capacity - first); }
    friend bool operator==(const ShortText &a, std::string_view b) { return a.view() == b; }

private:
    friend ShortText CurrencyText(Currency c, std::string_view decimalSeparator);
    // A sign, fifteen whole digits, a separator of up to sixteen bytes and four decimals.
    static constexpr std::size_t Capacity = 48;
    char bytes[Capacity];
    std::size_t first = Capacity;
};

// 3250000 gives "325", 4875000 "487,5" with "," as separator, -5000 "-0,5", 0 "0".
ShortText CurrencyText(Currency c, std::string_view decimalSeparator);

} // namespace dorvane
