// SPDX-License-Identifier: GPL-3.0-or-later
// A full-size fret template: a strip from the nut to the bridge with one line per fret, as the
// table places them, its labels and its extents, in the unit of the length. Free of Qt: the
// pages, the SVG and the DXF file are all drawn from this geometry.
#pragma once

#include "fingerboard.h"
#include "fret_table.h"
#include "result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane
{

enum class Unit : std::uint8_t { Millimetre, Centimetre, Inch };

struct UnitInfo {
    std::string_view code;  // as the command line and SVG write it: "mm", "cm", "in"
    std::string_view shown; // as a page writes it: "mm", "cm", "po"
    int dxfUnits;           // $INSUNITS: 4, 5 or 1
    double millimetres;     // one unit: 1, 10 or 25.4
};
const UnitInfo &InfoOf(Unit unit);

struct TemplateSettings {
    Unit unit = Unit::Millimetre;
    Currency stripWidth = Currency::fromScaled(600000); // in the unit: 60 mm
    Currency slotWidth;                                 // 0 draws lines only
    BoardSettings board; // of one string, the strip; of more, a whole fingerboard
};

// The width of the default strip, 60 mm, in a unit: 6 cm, 2.3622 in.
Currency DefaultStripWidth(Unit unit);
// A guitar's board, in a unit, for as many strings as asked: the outer strings 35 mm apart at
// the nut and 52.5 mm at the bridge, the edges 3.5 mm beyond them, the board ending at the last
// fret; in centimetres 3.5, 5.25 and 0.35.
BoardSettings DefaultBoard(Unit unit);

// A text of the template, at a place in the unit; y grows downwards, as on a page.
struct TemplateText {
    enum Anchor : std::uint8_t { Start, Middle, End };
    Currency x;
    Currency y;
    Currency height;
    bool vertical; // reads from bottom to top
    Anchor anchor;
    std::string text; // UTF-8
};

struct FretTemplate {
    Unit unit = Unit::Millimetre;
    Currency length; // the bridge stands at x = length, the nut at 0
    Currency width;  // the strip runs from y = -width / 2 to width / 2
    Currency slot;
    std::vector<Fret> frets;
    std::string title; // "Zarlino Chromatique, longueur 650 mm"
    std::vector<TemplateText> texts;
    Currency left, top, right, bottom; // everything drawn lies within
    std::optional<Fingerboard> board;  // with two strings or more, drawn instead of the strip
};

// Millimetres beyond the labels, above and below, kept free for the marks that join pages.
inline constexpr double MarkRoomMm = 9;

// A hundred metres in millimetres, far beyond any instrument: every edge stays in range.
inline constexpr Currency LargestLength = Currency::fromScaled(100000LL * 10000);

// Whether a template can be made of a table with its settings: the table must hold a scale,
// the length and the strip be positive, the slot narrower than the strip and than the smallest
// gap between two frets ("--width 0" is OutOfRange for the strip; a slot of 1.5 at 330 in
// "Zarlino Chromatique" is SlotOverGap, 1.4575 after fret 40).
// With two strings or more, the board must be possible (MakeBoard), and the slot narrower than
// the smallest gap along every string; `tableAt` gives the other strings' tables.
Done CheckTemplate(const FretTable &table, const TemplateSettings &settings,
                   const TableAt &tableAt = {});

// The smallest distance between two consecutive frets, and the fret before it; none with fewer
// than two frets.
struct Gap {
    Currency width;
    int after;
};
std::optional<Gap> SmallestGap(const std::vector<Fret> &frets);

// "Pythagore Diatonique, mode de Ré, longueur 650 mm": what a template shows of its table.
std::string TemplateTitle(const FretTable &table, Unit unit, std::string_view separator);

// The template of a table; texts write positions with the separator given ("36,4817").
FretTemplate MakeTemplate(const FretTable &table, const TemplateSettings &settings,
                          std::string_view decimalSeparator, const TableAt &tableAt = {});

// An edge of the strip or of a slot: a centre plus or minus half a width, which may fall
// halfway between two ten-thousandths; held in twenty-thousandths.
struct Edge {
    std::int64_t twentyThousandths;
};
// centre + side * width / 2, side -1 or 1: 0 and 60 give -30 and 30; 36.4817 and 0.6 give
// 36.1817 and 36.7817.
Edge EdgeOf(Currency centre, Currency width, int side);
// With a point and at most five decimals, trailing zeros dropped: "30", "-0.00015".
std::string EdgeText(Edge edge);
// A value as a file writes it, with a point: "36.4817".
std::string PointText(Currency value);

} // namespace dorvane
