// SPDX-License-Identifier: GPL-3.0-or-later
// A template as an ASCII DXF drawing of release 12 entities only (LINE, POLYLINE, TEXT), so
// that old CAM and laser software reads it; coordinates in the unit, y upwards.
#pragma once

#include "fret_template.h"

#include <string>

namespace dorvane
{

// The whole file, in the Windows-1252 code page its header names. Layers: FRETS (one LINE per
// fret from -W/2 to W/2), NUT, BRIDGE, OUTLINE (the strip and its centre line), TEXT and, with
// a slot width, SLOTS (one closed polyline per fret).
std::string TemplateDxf(const FretTemplate &t);

} // namespace dorvane
