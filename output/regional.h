// SPDX-License-Identifier: GPL-3.0-or-later
// The number format of the regional settings, as every output writes positions.
#pragma once

#include <string>

namespace output
{

// The decimal separator of the regional settings: "," in France; "." where they give none.
std::string decimalSeparator();

} // namespace output
