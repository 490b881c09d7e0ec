// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the vibrating length as the user types it.
#pragma once

#include "currency.h"

#include <cstddef>
#include <string_view>

namespace dorvane
{

struct LengthReading {
    // The number read; +-infinity when it is too large for a double ("1e400").
    double value = 0.0;
    // False when reading stopped before the end of the text, so part of it was ignored.
    bool complete = true;
    // Where reading stopped: the bytes before it were read, the rest ignored ("650,5" stops at
    // 3), and whether a digit was among them ("abc" and "-x" have none).
    std::size_t stop = 0;
    bool digits = false;
};

// Blanks, tabs and line feeds are ignored anywhere; then an optional sign, digits with at most
// one "." and an optional exponent (E or e, optional sign, digits). Reading stops at the first
// character that cannot continue the number; a text that does not begin with one reads 0.
// " 6 5 0" reads 650; "650,5" reads 650 and is not complete; "1e3" reads 1000; "abc" reads 0.
// No other base is read: "&H10" reads 0 and "0x10" reads 0, both not complete.
// Linear in the length of the text.
LengthReading ReadLength(std::string_view utf8Text);

// What the length box shows of its text.
enum class LengthState {
    Valid,      // the whole text was read
    PartlyRead, // reading stopped early: "650,5" is taken as 650
    OutOfRange, // no length can be stored from it: "1e15"
};

struct StoredLength {
    Currency value;
    LengthState state = LengthState::Valid;
    LengthReading reading; // what was read of the text, and where reading stopped
};

// What the length box stores for a text: "650.5" gives 650.5; "650,5" gives 650, partly read;
// "1e15" is out of range and gives 0, like a text without a number.
StoredLength LengthFromText(std::string_view utf8Text);

// A number typed in a field of the program's own dialogs, or given on the command line for a
// width: read as the length box reads, but with "," as well as "." before the decimals, so
// that "0,6" and "0.6" both give 0.6. A text with both, or with two of them, is only partly
// read ("1.000,5" stops at ","), and so is a text without a digit ("", "-").
StoredLength DecimalFromText(std::string_view utf8Text);

} // namespace dorvane
