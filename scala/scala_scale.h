// SPDX-License-Identifier: GPL-3.0-or-later
// A scale of any tuning: the degrees of a Scala file (.scl), the format in which thousands of
// historical and modern tunings are published, or equal divisions of the octave; and its table
// of frets, by one rule that anyone can check.
#pragma once

#include "fret_table.h"
#include "result.h"

#include <string>
#include <string_view>
#include <vector>

namespace dorvane
{

struct ScalaDegree {
    Interval pitch;    // as written: a ratio not reduced ("6/4"), cents, or a step "1\\31"
    std::string name;  // UTF-8: what the file writes after the value or in a comment just
                       // above it, or empty
    std::string text;  // the value as the file writes it: "0.5e3", "5/4"; "1\31" for a step
    double factor = 1; // FactorOf(pitch), worked out once when the degree is read or made
    // How the degree's fret is labelled: its name, or its value as written.
    const std::string &label() const { return name.empty() ? text : name; }
};

struct ScalaScale {
    std::string description;          // UTF-8
    std::vector<ScalaDegree> degrees; // in ascending pitch; the last is the period
    std::string source;               // the file's bytes as read; empty for equal divisions
};

inline constexpr std::size_t MostScalaBytes = 1'000'000;
inline constexpr int MostScalaDegrees = 10'000;
inline constexpr int MostDivisions = 1'000;
inline constexpr int MostFrets = 500;

// Reads a Scala file: comment lines begin with "!"; the first other line is the description,
// the next the number of notes, then one pitch a line, after blanks: a value with a "." is in
// cents, otherwise a ratio "a/b" or a whole number "a"; text after it names the degree, up to a
// "!" that begins a comment; without it, a comment line just above the pitch names it, and a
// comment just above the description that reads as it in ASCII gives its full text (the files
// ScalaFile writes, for readers that take only ASCII, are read back so with their names); the
// comments' \uXXXX are read as the characters they stand for (Unescaped). The last pitch is
// the period. CR LF ends lines as LF does. The text is UTF-8 where it is valid
// UTF-8, ISO-8859-1 otherwise; the description and the names are made safe (SafeText), and a
// refusal quotes the file's text with its control characters shown (VisibleText). A bad file
// is refused whole, its line named.
Result<ScalaScale> ReadScala(std::string_view bytes);

// N equal steps of the octave, from 1 to 1000: 31 gives the steps 1\31 to 31\31; 12 are named
// as the tempered table names its notes, "Do #" to "Do".
Result<ScalaScale> EqualDivisions(int divisions);

// The table of `frets` frets (1 to 500) of a scale on a length, counted from the nut in
// increasing pitch; each fret's interval from the open string is q = qd x qP^o, qd its degree's
// value, qP the period's and o the number of whole periods below it, and its position is
// L - CurrencyFromDouble(DoubleFromCurrency(L) / q). Two periods unless asked otherwise. A fret
// is named as its degree is, or not at all.
FretTable TableOf(const ScalaScale &scale, Currency length, int frets = 0);

} // namespace dorvane
