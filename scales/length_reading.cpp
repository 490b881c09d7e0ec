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
    std::size_t position() const { return pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Powers of ten before the first significant digit decide, on overflow, whether the number was
// huge or tiny; saturated so that no text can overflow the count.
constexpr std::int64_t Saturation = std::int64_t{1} << 40;

// What has been gathered of the number: its characters, blanks removed, and its magnitude.
struct Number {
    std::string text; // sign, digits, point and exponent
    std::int64_t magnitude = 0;
    bool negative = false;
    bool seenDigit = false;
};

// The sign, then digits with at most one point: "-6 5.0" gathers "-65.0", magnitude 2.
void scanSignificand(NumberScanner &scan, Number &number)
{
    if (scan.peek() == '+' || scan.peek() == '-') {
        number.negative = scan.peek() == '-';
        number.text += scan.peek();
        scan.take();
    }
    bool seenSignificant = false;
    bool seenPoint = false;
    for (char c = scan.peek(); isDigit(c) || (c == '.' && !seenPoint); c = scan.peek()) {
        if (c == '.') {
            seenPoint = true;
        } else {
            number.seenDigit = true;
            if (c != '0')
                seenSignificant = true;
            if (seenSignificant && !seenPoint && number.magnitude < Saturation)
                ++number.magnitude;
            if (!seenSignificant && seenPoint && number.magnitude > -Saturation)
                --number.magnitude;
        }
        number.text += c;
        scan.take();
    }
}

// "e", an optional sign and digits, after a significand with a digit: "1e-3" adds "e-3". An
// exponent letter without digits is read and dropped ("1e" is 1).
void scanExponent(NumberScanner &scan, Number &number)
{
    if (!number.seenDigit || (scan.peek() != 'e' && scan.peek() != 'E'))
        return;
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
        number.text += exponent;
        number.magnitude += exponentNegative ? -exponentValue : exponentValue;
    }
}

// The nearest double; beyond its range, an infinity for a huge number and 0 for a tiny one.
double valueOf(const Number &number)
{
    const char *first = number.text.data();
    if (*first == '+') // from_chars takes a minus sign only
        ++first;
    double value = 0.0;
    const auto result = std::from_chars(first, number.text.data() + number.text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = number.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        if (number.negative)
            value = -value;
    }
    return value;
}

} // namespace

LengthReading ReadLength(std::string_view utf8Text)
{
    NumberScanner scan(utf8Text);
    Number number;
    scanSignificand(scan, number);
    scanExponent(scan, number);
    LengthReading reading;
    reading.stop = scan.position();
    reading.digits = number.seenDigit;
    reading.complete = scan.atEnd();
    if (number.seenDigit)
        reading.value = valueOf(number);
    return reading;
}

StoredLength LengthFromText(std::string_view utf8Text)
{
    const LengthReading reading = ReadLength(utf8Text);
    try {
        return {CurrencyFromDouble(reading.value),
                reading.complete ? LengthState::Valid : LengthState::PartlyRead, reading};
    } catch (const CurrencyOverflow &) {
        return {Currency{}, LengthState::OutOfRange, reading};
    }
}

StoredLength DecimalFromText(std::string_view utf8Text)
{
    const std::size_t comma = utf8Text.find(',');
    std::string withPoint(utf8Text);
    if (comma != std::string_view::npos && utf8Text.find('.') == std::string_view::npos)
        withPoint[comma] = '.';
    StoredLength stored = LengthFromText(withPoint);
    if (!stored.reading.digits)
        stored.state = LengthState::PartlyRead;
    return stored;
}

} // namespace dorvane
