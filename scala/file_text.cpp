// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_text.h"

#include <algorithm>

namespace dorvane
{

namespace
{

constexpr char32_t Replacement = 0xFFFD;
constexpr char32_t Invalid = 0xFFFFFFFF; // no code point: a sequence UTF-8 does not allow

// The code point that starts at byte `i`, `i` moved past it; Invalid, and one byte further, for
// a sequence that UTF-8 does not allow: "\xC3\xA9" gives U+00E9, "\xC0\x80" Invalid.
char32_t nextUtf8(std::string_view text, std::size_t &i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t more = 0;
    char32_t point = lead, least = 0;
    if (lead >= 0xC2 && lead <= 0xDF)
        more = 1, point = lead & 0x1F, least = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        more = 2, point = lead & 0x0F, least = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        more = 3, point = lead & 0x07, least = 0x10000;
    else if (lead >= 0x80)
        return ++i, Invalid;
    if (text.size() - i <= more)
        return ++i, Invalid;
    for (std::size_t k = 1; k <= more; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return ++i, Invalid;
        point = point << 6 | (byte(i + k) & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return ++i, Invalid;
    i += more + 1;
    return point;
}

void appendUtf8(std::string &out, char32_t point)
{
    if (point < 0x80) {
        out += char(point);
    } else if (point < 0x800) {
        out += char(0xC0 | point >> 6);
        out += char(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += char(0xE0 | point >> 12);
        out += char(0x80 | (point >> 6 & 0x3F));
        out += char(0x80 | (point & 0x3F));
    } else {
        out += char(0xF0 | point >> 18);
        out += char(0x80 | (point >> 12 & 0x3F));
        out += char(0x80 | (point >> 6 & 0x3F));
        out += char(0x80 | (point & 0x3F));
    }
}

bool isControl(char32_t point)
{
    return point < 0x20 || (point >= 0x7F && point <= 0x9F);
}

// Every code point of a text, decoded as UTF-8 or as ISO-8859-1, through `take`.
template <class Take> void decode(std::string_view bytes, bool utf8, Take take)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const char32_t point = utf8 ? nextUtf8(bytes, i) : static_cast<unsigned char>(bytes[i++]);
        if (!take(point == Invalid ? Replacement : point))
            return;
    }
}

// The letters of ISO-8859-1 from U+00C0, without their accents; "" for × and ÷.
constexpr std::string_view latinLetters[] = {
    "A", "A", "A", "A", "A", "A", "AE", "C", "E", "E", "E", "E", "I", "I", "I",  "I",
    "D", "N", "O", "O", "O", "O", "O",  "x", "O", "U", "U", "U", "U", "Y", "Th", "ss",
    "a", "a", "a", "a", "a", "a", "ae", "c", "e", "e", "e", "e", "i", "i", "i",  "i",
    "d", "n", "o", "o", "o", "o", "o",  "/", "o", "u", "u", "u", "u", "y", "th", "y"};

// A character beyond ASCII as ASCII: a letter without its accent, a sign as its nearest.
std::string_view asciiOf(char32_t point)
{
    if (point >= 0xC0 && point <= 0xFF)
        return latinLetters[point - 0xC0];
    switch (point) {
    case 0xA0: // no-break space
    case 0x202F:
        return " ";
    case 0x152:
        return "OE";
    case 0x153:
        return "oe";
    case 0xAB: // « »
    case 0xBB:
    case 0x201C:
    case 0x201D:
        return "\"";
    case 0x2018:
    case 0x2019:
        return "'";
    case 0x2013:
    case 0x2014:
        return "-";
    case 0x2026:
        return "...";
    case 0xB0:
        return "o";
    default:
        return "?";
    }
}

// A hexadecimal digit's value; none for another character.
int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')
        return (c | 0x20) - 'a' + 10;
    return -1;
}

} // namespace

bool IsUtf8(std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80)
            ++i; // ASCII, most of a file
        else if (nextUtf8(bytes, i) == Invalid)
            return false;
    }
    return true;
}

std::string SafeText(std::string_view bytes, bool utf8)
{
    // Printable ASCII, most names and descriptions, stays as it is.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    decode(bytes, utf8, [&out](char32_t point) {
        appendUtf8(out, point == '\t'                               ? U' '
                        : isControl(point) || (point | 1) == 0xFFFF ? Replacement
                                                                    : point);
        return true;
    });
    return out;
}

std::string VisibleText(std::string_view bytes, std::size_t most)
{
    std::string out;
    std::size_t shown = 0;
    decode(bytes, IsUtf8(bytes), [&](char32_t point) {
        if (shown++ == most) {
            out += "…";
            return false;
        }
        // The symbols of the control characters: U+2400 "␀" to U+241F, and U+2421 "␡".
        appendUtf8(out, point < 0x20                                ? 0x2400 + point
                        : point == 0x7F                             ? 0x2421
                        : isControl(point) || (point | 1) == 0xFFFF ? Replacement
                                                                    : point);
        return true;
    });
    return out;
}

std::string Ascii(std::string_view utf8)
{
    std::string out;
    decode(utf8, true, [&out](char32_t point) {
        if (point < 0x80)
            out += char(point);
        else
            out += asciiOf(point);
        return true;
    });
    return out;
}

std::string EscapedAscii(std::string_view utf8)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t at = i;
        char32_t point = nextUtf8(utf8, i);
        if (point == Invalid)
            point = Replacement;
        const bool escapes = utf8[at] == '\\' && i < utf8.size() && (utf8[i] | 0x20) == 'u';
        if (point < 0x80 && !escapes) {
            out += char(point);
            continue;
        }
        const int width = point > 0xFFFF ? 8 : 4;
        out += point > 0xFFFF ? "\\U" : "\\u";
        for (int k = width - 1; k >= 0; --k)
            out += digits[(point >> (4 * k)) & 0xF];
    }
    return out;
}

std::string Unescaped(std::string_view ascii)
{
    std::string out;
    for (std::size_t i = 0; i < ascii.size(); ++i) {
        const bool wide = ascii.substr(i, 2) == "\\U";
        const std::size_t width = wide ? 8 : 4;
        char32_t point = 0;
        bool escape = (wide || ascii.substr(i, 2) == "\\u") && ascii.size() - i >= 2 + width;
        for (std::size_t k = 0; escape && k < width; ++k) {
            const int digit = hexValue(ascii[i + 2 + k]);
            escape = digit >= 0;
            point = point << 4 | char32_t(digit);
        }
        if (!escape || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) {
            out += ascii[i];
            continue;
        }
        appendUtf8(out, point);
        i += 1 + width;
    }
    return out;
}

std::string SafeBytes(std::string_view bytes)
{
    const bool utf8 = IsUtf8(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        const bool next = i + 1 < bytes.size();
        if (c == '\r' && !(next && bytes[i + 1] == '\n')) {
            out += ' '; // a blank to the reader, as it was
        } else if (utf8 && c == 0xC2 && next && static_cast<unsigned char>(bytes[i + 1]) <= 0x9F) {
            out += '?'; // U+0080 to U+009F
            ++i;
        } else if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F ||
                   (!utf8 && c >= 0x80 && c <= 0x9F)) {
            out += '?';
        } else {
            out += char(c);
        }
    }
    return out;
}

} // namespace dorvane
