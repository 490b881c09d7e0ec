// SPDX-License-Identifier: GPL-3.0-or-later
#include "fingerboard.h"

#include <cmath>

namespace dorvane
{

namespace
{

using B = BoardFault;

Point operator+(Point a, Point b)
{
    return {a.x + b.x, a.y + b.y};
}

Point operator-(Point a, Point b)
{
    return {a.x - b.x, a.y - b.y};
}

Point operator*(double k, Point a)
{
    return {k * a.x, k * a.y};
}

double cross(Point a, Point b)
{
    return a.x * b.y - a.y * b.x;
}

Point unit(Point a)
{
    return (1.0 / std::hypot(a.x, a.y)) * a;
}

// Where the line through `p` along `d` meets the line through `q` along `e`.
Point meet(Point p, Point d, Point q, Point e)
{
    return p + (cross(q - p, e) / cross(d, e)) * d;
}

Failure refused(BoardFault reason, std::string setting = {})
{
    Failure failure{reason};
    failure.setting = std::move(setting);
    return failure;
}

Done checked(const FretTable &table, const BoardSettings &s)
{
    if (s.strings < 1 || s.strings > MostStrings) {
        Failure failure = refused(B::StringsOutOfRange, StringsSetting);
        failure.count = s.strings;
        failure.limit = MostStrings;
        return failure;
    }
    const std::pair<Currency, const char *> widths[] = {{s.nutSpan, NutSpanSetting},
                                                        {s.bridgeSpan, BridgeSpanSetting},
                                                        {s.overhang, OverhangSetting},
                                                        {s.boardEnd, BoardEndSetting}};
    for (const auto &[width, setting] : widths) {
        if (width < Currency())
            return refused(B::Negative, setting);
    }
    if (s.bassLength && !(*s.bassLength > Currency()))
        return refused(B::BassLengthOutOfRange, BassLengthSetting);
    if (!(s.perpendicular >= 0) || s.perpendicular > double(table.frets.size())) {
        Failure failure = refused(B::PerpendicularBeyond, PerpendicularSetting);
        failure.limit = std::int64_t(table.frets.size());
        return failure;
    }
    const double halfDifference =
        std::abs(DoubleFromCurrency(s.bridgeSpan) - DoubleFromCurrency(s.nutSpan)) / 2;
    const Currency shortest = std::min(table.length, s.bassLength.value_or(table.length));
    if (halfDifference >= DoubleFromCurrency(shortest)) {
        Failure failure = refused(B::CannotReach, BridgeSpanSetting);
        failure.amount = shortest;
        return failure;
    }
    return Succeeded();
}

std::vector<Currency> positionsOf(const FretTable &table)
{
    std::vector<Currency> positions;
    positions.reserve(table.frets.size());
    for (const Fret &fret : table.frets)
        positions.push_back(fret.position);
    return positions;
}

// How far along a string fret P lies, as a share of its length: between two frets, in
// proportion; fret 0 is the nut.
double shareAt(const BoardString &string, double fret)
{
    const auto share = [&](std::size_t k) {
        return k == 0 ? 0.0
                      : DoubleFromCurrency(string.positions[k - 1]) /
                            DoubleFromCurrency(string.length);
    };
    const auto below = static_cast<std::size_t>(std::floor(fret)); // checked: 0 to the last
    if (below == string.positions.size())
        return share(below);
    return share(below) + (fret - double(below)) * (share(below + 1) - share(below));
}

// A line of the board: a point on it and its direction.
struct Line {
    Point point;
    Point direction;
};

// The line through two points; through one point, across `along`.
Line through(Point a, Point b, Point along)
{
    if (a == b)
        return {a, {-along.y, along.x}};
    return {a, b - a};
}

Segment edgeToEdge(const Line &line, const Line &edge1, const Line &edgeN)
{
    return {meet(line.point, line.direction, edge1.point, edge1.direction),
            meet(line.point, line.direction, edgeN.point, edgeN.direction)};
}

void mirror(Point &p)
{
    p.y = -p.y;
}

// The frets, the nut and the bridge from edge to edge, and the outline: the edges run along
// the outer strings `overhang` beyond them; the board ends `boardEnd` beyond the last fret,
// parallel to it.
void layOut(Fingerboard &board, const FretTable &table, const BoardSettings &settings)
{
    const BoardString &first = board.strings.front(), &last = board.strings.back();
    const double overhang = DoubleFromCurrency(settings.overhang);
    const Point d1 = unit(first.bridge - first.nut), dN = unit(last.bridge - last.nut);
    const Line edge1{first.nut + overhang * Point{-d1.y, d1.x}, d1};
    const Line edgeN{last.nut + overhang * Point{dN.y, -dN.x}, dN};
    const Line nut = through(first.nut, last.nut, d1);
    board.nut = edgeToEdge(nut, edge1, edgeN);
    board.bridge = edgeToEdge(through(first.bridge, last.bridge, d1), edge1, edgeN);
    Line end = nut;
    for (std::size_t k = 1; k <= table.frets.size(); ++k) {
        const Fret &fret = table.frets[k - 1];
        end = through(first.at(k), last.at(k), d1);
        board.frets.push_back({fret.number, fret.note, edgeToEdge(end, edge1, edgeN)});
    }
    Point across = unit(end.direction);
    Point beyond{across.y, -across.x};
    if (beyond.x < 0)
        beyond = -1.0 * beyond;
    end.point = end.point + DoubleFromCurrency(settings.boardEnd) * beyond;
    board.outline = {meet(edge1.point, d1, nut.point, nut.direction),
                     meet(edge1.point, d1, end.point, end.direction),
                     meet(edgeN.point, dN, end.point, end.direction),
                     meet(edgeN.point, dN, nut.point, nut.direction)};
    if (!settings.leftHanded)
        return;
    for (BoardString &string : board.strings)
        mirror(string.nut), mirror(string.bridge);
    for (BoardFret &fret : board.frets)
        mirror(fret.line.from), mirror(fret.line.to);
    for (Point *p : {&board.nut.from, &board.nut.to, &board.bridge.from, &board.bridge.to})
        mirror(*p);
    for (Point &p : board.outline)
        mirror(p);
}

} // namespace

Point BoardString::at(std::size_t k) const
{
    return nut + DoubleFromCurrency(positions[k - 1]) * unit(bridge - nut);
}

Result<Fingerboard> MakeBoard(const FretTable &table, const BoardSettings &settings,
                              const TableAt &tableAt)
{
    if (Done ok = checked(table, settings); !ok)
        return ok.failure();
    const int n = settings.strings;
    const double halfNut = DoubleFromCurrency(settings.nutSpan) / 2;
    const double halfBridge = DoubleFromCurrency(settings.bridgeSpan) / 2;
    const double rise = halfBridge - halfNut; // across the board, from nut to bridge
    const Currency bass = settings.bassLength.value_or(table.length);
    BoardString first{table.length, {0, halfNut}, {}, positionsOf(table)};
    BoardString last{
        bass, {}, {}, bass == table.length ? first.positions : positionsOf(tableAt(bass))};
    // String 1 from (0, halfNut); string N placed so that both reach fret P at one x.
    const double run1 = std::sqrt(std::pow(DoubleFromCurrency(table.length), 2) - rise * rise);
    const double runN = std::sqrt(std::pow(DoubleFromCurrency(bass), 2) - rise * rise);
    first.bridge = {run1, halfBridge};
    const double startN = shareAt(first, settings.perpendicular) * run1 -
                          shareAt(last, settings.perpendicular) * runN;
    last.nut = {startN, -halfNut};
    last.bridge = {startN + runN, -halfBridge};

    Fingerboard board;
    board.strings.reserve(std::size_t(n));
    board.strings.push_back(first);
    for (int s = 1; s < n - 1; ++s) {
        const double t = double(s) / double(n - 1);
        BoardString string{{},
                           first.nut + t * (last.nut - first.nut),
                           first.bridge + t * (last.bridge - first.bridge),
                           {}};
        const Point along = string.bridge - string.nut;
        string.length = CurrencyFromDouble(std::hypot(along.x, along.y));
        string.positions = positionsOf(tableAt(string.length));
        board.strings.push_back(std::move(string));
    }
    if (n > 1)
        board.strings.push_back(std::move(last));
    layOut(board, table, settings);
    return board;
}

std::array<Point, 4> SlotOf(const Segment &fret, Currency width)
{
    const Point along = unit(fret.to - fret.from);
    const Point half = (DoubleFromCurrency(width) / 2) * Point{-along.y, along.x};
    return {fret.from - half, fret.to - half, fret.to + half, fret.from + half};
}

} // namespace dorvane
