// SPDX-License-Identifier: GPL-3.0-or-later
// The plane geometry a board is drawn with: points, lines through them and where they meet.
#pragma once

#include "fingerboard.h"

#include <cmath>

namespace dorvane::board_geometry
{

inline Point operator+(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}

inline Point operator-(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}

inline Point operator*(double k, Point a)
{
    return {k * a.x, k * a.y};
}

inline double cross(Point a, Point b)
{
    return a.x * b.y - a.y * b.x;
}

inline Point unit(Point a)
{
    return (1.0 / std::hypot(a.x, a.y)) * a;
}

// Where the line through `p` along `d` meets the line through `q` along `e`.
inline Point meet(Point p, Point d, Point q, Point e)
{
    return p + (cross(q - p, e) / cross(d, e)) * d;
}

// A line of the board: a point on it and its direction.
struct Line {
    Point point;
    Point direction;
};

// The line through two points; through one point, across `along`.
inline Line through(Point a, Point b, Point along)
{
    if (a == b)
        return {a, {-along.y, along.x}};
    return {a, b - a};
}

inline Point meet(const Line &a, const Line &b)
{
    return meet(a.point, a.direction, b.point, b.direction);
}

// The board's edges: along the outer strings, `overhang` beyond them.
inline std::pair<Line, Line> edgesOf(const Fingerboard &board, double overhang)
{
    const BoardString &first = board.strings.front(), &last = board.strings.back();
    const Point d1 = unit(first.bridge - first.nut), dN = unit(last.bridge - last.nut);
    return {{first.nut + overhang * Point{-d1.y, d1.x}, d1},
            {last.nut + overhang * Point{dN.y, -dN.x}, dN}};
}

// Each string on its own degree: fret k of string s at its ratio r = Q(d + k) / Q(d) lies on
// the line through the outer strings' points at r, from the line halfway to the string before
// to the line halfway to the next, or to the edge; neighbouring pieces of one fret on one line
// are one piece. Replaces the board's frets, in the order of their numbers, then strings.
void CutFretlets(Fingerboard &board, const BoardSettings &settings, int frets);

} // namespace dorvane::board_geometry
