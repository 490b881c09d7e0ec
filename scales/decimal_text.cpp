// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal_text.h"

#include <charconv>

namespace dorvane
{

std::string DecimalText(double value, int decimals, std::string_view separator, bool signedText)
{
    // A double's integer part has at most 309 digits; a few more for the sign and the point.
    char digits[400];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    std::string_view text(digits, std::size_t(written.ptr - digits));
    std::string out;
    if (signedText && !text.starts_with('-'))
        out += '+';
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos)
        return out += text;
    return ((out += text.substr(0, point)) += separator) += text.substr(point + 1);
}

} // namespace dorvane
