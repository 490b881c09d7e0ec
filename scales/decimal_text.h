// SPDX-License-Identifier: GPL-3.0-or-later
// Decimal numbers as text, whatever the locale the process runs in: a file format needs its
// point on every desktop, and the screen its regional separator, never the C library's choice.
#pragma once

#include <string>
#include <string_view>

namespace dorvane
{

// A value rounded to `decimals` places, from 0 to 60 (ties as the binary value falls), with the
// separator given: 100 and 5 give "100.00000"; 203.910001 and 2 with "," give "203,91"; with
// `signedText`,
// "+3,91" and "-13,69". A non-finite value gives "nan" or "inf".
std::string DecimalText(double value, int decimals, std::string_view separator = ".",
                        bool signedText = false);

} // namespace dorvane
