// SPDX-License-Identifier: GPL-3.0-or-later
// A whole fingerboard: strings 1 (the highest) to N, straight or fanned, their frets and the
// board's outline, in the unit of the length. Free of Qt: every output draws from it.
//
// x runs along the board from the nut side to the bridge side, y across it, as on a page (y
// grows downwards): x = 0 at the nut end of string 1, y = 0 on the centre line, and string 1
// on the side of positive y, the lowest on a drawing of a right-handed board.
#pragma once

#include "fret_table.h"
#include "result.h"
#include "string_tuning.h"

#include <array>
#include <optional>
#include <vector>

namespace dorvane
{

inline constexpr int MostStrings = 24;

struct BoardSettings {
    int strings = 1;
    std::optional<Currency> bassLength; // string N's; none: string 1's
    double perpendicular = 0;           // the fret whose points on the outer strings lie
                                        // across the centre line: 0, the nut, to the last
    Currency nutSpan;                   // between the outer strings, centre to centre
    Currency bridgeSpan;
    Currency overhang;       // from an outer string to the board's edge, at right angles to it
    Currency boardEnd;       // beyond the last fret
    bool leftHanded = false; // the drawing mirrored across the centre line
    StringTuning tuning;     // each string's degree; none: every string on degree 0
};

struct Point {
    double x = 0;
    double y = 0;
    friend bool operator==(const Point &, const Point &) = default;
};

struct Segment {
    Point from;
    Point to;
};

struct BoardString {
    Currency length; // the outer strings' as asked; an inner string's as the geometry gives it
    Point nut;
    Point bridge;
    std::vector<Currency> positions; // its frets' at its own length, as its table rounds them,
                                     // or as its degree puts them
    int degree = 0;                  // of the scale, that its open string sounds
    std::vector<std::string> notes;  // where the strings are tuned, what it sounds open, then
                                     // at each fret
    // The point of fret `k` (from 1): its position along the string from the nut end.
    Point at(std::size_t k) const;
};

struct BoardFret {
    int number;
    std::string note;
    Segment line;  // through the outer strings' points, from edge to edge
    int first = 1; // the strings it serves, from 1 to N for a whole fret; a piece of a fret
    int last = 1;  // serves those whose degrees put it on the same line
    bool whole(std::size_t strings) const { return first == 1 && last == int(strings); }
};

struct Fingerboard {
    std::vector<BoardString> strings; // 1 to N
    std::vector<BoardFret> frets;     // in the table's order
    Segment nut;                      // from edge to edge
    Segment bridge;
    // String 1's edge at the nut and at the end, then string N's edge at the end and at the nut.
    std::array<Point, 4> outline;
};

// The board of a table, by one rule: string s runs from its nut end to its bridge end, the ends
// spaced equally along the nut and bridge lines; the point of fret k on it lies at the fret's
// position along it, as the string's own table rounds it. Fret P's points on the outer strings
// share one x. At 648 and 686 with spans 35 and 52.5 and P = 7, twelve tempered semitones:
// fret 7 at x = 215.49225 on strings 1 and 6 (215.5119 along string 1); string 6 from
// x = -12.6391 to 673.3051; fret 12 at (323.9705, 21.875) on string 1. Refused: strings other than
// 1 to 24, a negative span, overhang or end, P beyond the last fret, and outer strings too short to
// reach across half the difference of the spans. With strings tuned to degrees, each string has
// its frets as its degree puts them, and the frets are cut in pieces where the strings disagree
// (CutFretlets); degrees other than one a string, from 0 to n - 1, are refused.
Result<Fingerboard> MakeBoard(const FretTable &table, const BoardSettings &settings,
                              const TableAt &tableAt);

// A fret's slot: `width` centred on its segment, from edge to edge, as four corners in order.
std::array<Point, 4> SlotOf(const Segment &fret, Currency width);

} // namespace dorvane
