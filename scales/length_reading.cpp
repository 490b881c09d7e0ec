// SPDX-License-Identifier: GPL-3.0-or-later
#include "length_reading.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace dorvane
{

namespace
{

bool isIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks the text, skipping blanks, and gathers the characters of the number.
class NumberScanner
{
public:
    explicit NumberScanner(std::string_view text) : text_(text) {}

    char peek()
    {
        while (pos_ < text_.size() && isIgnored(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void take() { ++pos_; }
    bool atEnd() { return peek() == '\0' && pos_ >= text_.size(); }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

LengthReading ReadLength(std::string_view utf8Text)
{
    NumberScanner scan(utf8Text);
    std::string number; // sign, digits, point and exponent, blanks removed
    bool negative = false;

    if (scan.peek() == '+' || scan.peek() == '-') {
        negative = scan.peek() == '-';
        number += scan.peek();
        scan.take();
    }

    // Powers of ten before the first significant digit decide, on overflow, whether the
    // number was huge or tiny; saturated so that no text can overflow the count.
    constexpr std::int64_t Saturation = std::int64_t{1} << 40;
    std::int64_t magnitude = 0;
    bool seenSignificant = false;
    bool seenPoint = false;
    bool seenDigit = false;
    for (char c = scan.peek(); isDigit(c) || (c == '.' && !seenPoint); c = scan.peek()) {
        if (c == '.') {
            seenPoint = true;
        } else {
            seenDigit = true;
            if (c != '0')
                seenSignificant = true;
            if (seenSignificant && !seenPoint && magnitude < Saturation)
                ++magnitude;
            if (!seenSignificant && seenPoint && magnitude > -Saturation)
                --magnitude;
        }
        number += c;
        scan.take();
    }

    if (seenDigit && (scan.peek() == 'e' || scan.peek() == 'E')) {
        scan.take();
        std::string exponent = "e";
        bool exponentNegative = false;
        if (scan.peek() == '+' || scan.peek() == '-') {
            exponentNegative = scan.peek() == '-';
            exponent += scan.peek();
            scan.take();
        }
        std::int64_t exponentValue = 0;
        bool exponentDigits = false;
        for (char c = scan.peek(); isDigit(c); c = scan.peek()) {
            exponentDigits = true;
            if (exponentValue < Saturation)
                exponentValue = exponentValue * 10 + (c - '0');
            exponent += c;
            scan.take();
        }
        if (exponentDigits) {
            number += exponent;
            magnitude += exponentNegative ? -exponentValue : exponentValue;
        }
    }

    LengthReading reading;
    reading.complete = scan.atEnd();
    if (!seenDigit)
        return reading;

    const char *first = number.data();
    if (*first == '+') // from_chars takes a minus sign only
        ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        if (negative)
            value = -value;
    }
    reading.value = value;
    return reading;
}

} // namespace dorvane

namespace dorvane
{

StoredLength LengthFromText(std::string_view utf8Text)
{
    const LengthReading reading = ReadLength(utf8Text);
    try {
        return {CurrencyFromDouble(reading.value),
                reading.complete ? LengthStatus::Read : LengthStatus::PartlyRead};
    } catch (const CurrencyOverflow &) {
        return {Currency{}, LengthStatus::OutOfRange};
    }
}

} // namespace dorvane
