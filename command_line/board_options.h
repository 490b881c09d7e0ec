// SPDX-License-Identifier: GPL-3.0-or-later
// The options of a fingerboard: how many strings, the lowest one's length, the perpendicular
// fret, the spans, the overhang, the board's end and the hand; and the options that a refusal
// of a template or a board names.
#pragma once

#include "request.h"

namespace command_line
{

// The options of the fingerboard into the request's settings, in its unit: --strings N, and
// with two strings or more the others, by default spans of 35 and 52.5 mm, an overhang of 3.5
// mm, no board beyond the last fret, fret 0 perpendicular and a straight board. Refused: a
// value that is no number, --width with two strings or more, and any other option of the board
// with one string; the board itself must be possible, its slots narrower than every gap.
dorvane::Done readBoard(Request &request);

// A setting a template or a board refuses, named by its option as given: "« --slot 60 » : …".
dorvane::Failure named(dorvane::Failure failure, const Request &request);

// The table of the request's scale at another length: of the lowest string, or an inner one.
dorvane::TableAt tableAtOf(const Request &request);

} // namespace command_line
