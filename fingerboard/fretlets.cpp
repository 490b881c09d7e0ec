// SPDX-License-Identifier: GPL-3.0-or-later
// The frets of a board whose strings stand on different degrees, each cut to its strings.
#include "board_geometry.h"

#include <algorithm>
#include <cmath>

namespace dorvane::board_geometry
{

namespace
{

// Whether a segment lies on another's line, to a millionth of the unit.
bool onLine(const Segment &line, const Segment &piece)
{
    const Point along = unit(line.to - line.from);
    const auto away = [&](Point p) { return std::abs(cross(along, p - line.from)); };
    return away(piece.from) < 1e-6 && away(piece.to) < 1e-6;
}

Point halfway(Point a, Point b)
{
    return 0.5 * (a + b);
}

// The lines halfway between neighbouring strings, from their nut ends' midpoint to their bridge
// ends'.
std::vector<Line> linesBetween(const Fingerboard &board)
{
    std::vector<Line> between;
    for (std::size_t s = 0; s + 1 < board.strings.size(); ++s) {
        const BoardString &a = board.strings[s], &b = board.strings[s + 1];
        const Point nut = halfway(a.nut, b.nut), bridge = halfway(a.bridge, b.bridge);
        between.push_back({nut, bridge - nut});
    }
    return between;
}

} // namespace

void CutFretlets(Fingerboard &board, const BoardSettings &settings, int frets)
{
    const auto [edge1, edgeN] = edgesOf(board, DoubleFromCurrency(settings.overhang));
    const std::vector<Line> between = linesBetween(board);
    const BoardString &first = board.strings.front(), &last = board.strings.back();
    const std::size_t n = board.strings.size();
    int highest = 0;
    for (const BoardString &string : board.strings)
        highest = std::max(highest, string.degree);
    const std::vector<double> q = DegreeFactors(settings.tuning.scale, highest + frets + 1);
    std::vector<BoardFret> pieces;
    for (int k = 1; k <= frets; ++k) {
        const std::size_t start = pieces.size();
        for (std::size_t s = 0; s < n; ++s) {
            const BoardString &string = board.strings[s];
            const auto d = std::size_t(string.degree);
            const double share = 1 - q[d] / q[d + std::size_t(k)];
            const Line line = through(first.nut + share * (first.bridge - first.nut),
                                      last.nut + share * (last.bridge - last.nut), edge1.direction);
            const Segment piece{meet(line, s == 0 ? edge1 : between[s - 1]),
                                meet(line, s + 1 == n ? edgeN : between[s])};
            if (pieces.size() > start && onLine(pieces.back().line, piece)) {
                pieces.back().line.to = piece.to;
                pieces.back().last = int(s + 1);
            } else {
                pieces.push_back({k, string.notes[std::size_t(k)], piece, int(s + 1), int(s + 1)});
            }
        }
        // A whole fret keeps the table's name of it.
        if (pieces.size() == start + 1)
            pieces.back().note = board.frets[std::size_t(k - 1)].note;
    }
    board.frets = std::move(pieces);
}

} // namespace dorvane::board_geometry
