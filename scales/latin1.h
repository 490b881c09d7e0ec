// SPDX-License-Identifier: GPL-3.0-or-later
// Texts for the file formats that predate UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace dorvane
{

// A UTF-8 text in ISO-8859-1, which Windows-1252 extends: "Ré" keeps its é as one byte; a
// character beyond it becomes "?".
std::string Latin1(std::string_view utf8);

} // namespace dorvane
