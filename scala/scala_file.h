// SPDX-License-Identifier: GPL-3.0-or-later
// A table's tuning as a Scala file (.scl), the format that tuners and synthesizers read.
#pragma once

#include "fret_table.h"
#include "scala_scale.h"

#include <string>
#include <string_view>
#include <vector>

namespace dorvane
{

// One period of the table's scale, the octave: its notes in ascending pitch, the unison left
// out and the octave 2/1 last; ratios as ratios ("2187/2048"), tempered steps in cents with a
// point ("100.00000"). Every byte is ASCII and a pitch line holds its value alone, as the
// strictest readers, synthesizers among them, ask: each note's name stands in a comment just
// above its value ("! Do #"), the description is the table's title in ASCII ("Temperee
// Chromatique") under a comment that gives it in full, with \uXXXX for what ASCII lacks
// ("! Temp\u00E9r\u00E9e Chromatique"); ReadScala takes both back. Comments give the file's
// name and the program. Each line ends with CR LF, as the format's first readers, on Windows,
// wrote them; every reader takes it.
std::string ScalaFile(const FretTable &table, std::string_view fileName);

// That period: the table's frets below the octave in ascending pitch, the unison left out, and
// the octave's name ("Do" where the table has no octave). "Zarlino Chromatique simplifiée"
// gives its twelve notes, "Do #" (25/24) to "Si" (15/8), and "Do".
struct FirstOctave {
    std::vector<const Fret *> notes;
    std::string octaveName;
};
FirstOctave FirstOctaveOf(const FretTable &table);

// A scale of any tuning as a Scala file: the file's own bytes as they were read, but for its
// control characters, each made "?" (SafeBytes); for equal divisions, each step in cents with
// its label above it, as above.
std::string ScalaFile(const ScalaScale &scale, std::string_view fileName);

} // namespace dorvane
