// SPDX-License-Identifier: GPL-3.0-or-later
// A template as an SVG drawing at its true size: width and height carry the unit, the viewBox
// is in the unit, the nut on x = 0 and the centre of the strip on y = 0.
#pragma once

#include "fret_template.h"

#include <string>

namespace dorvane
{

// The whole file, UTF-8: each fret a <line id="fret-N">, with a slot width a
// <rect id="slot-N"> of that width centred on it; "nut", "bridge", "centre" and "strip".
std::string TemplateSvg(const FretTemplate &t);

} // namespace dorvane
