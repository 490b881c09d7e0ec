// SPDX-License-Identifier: GPL-3.0-or-later
#include "fingerboard.h"

#include "board_geometry.h"

#include <algorithm>
#include <cmath>

namespace dorvane
{

namespace
{

using B = BoardFault;
using namespace board_geometry;

Failure refused(BoardFault reason, std::string setting = {})
{
    Failure failure{reason};
    failure.setting = std::move(setting);
    return failure;
}

// A degree a string, each in the scale.
Done checkedTuning(const BoardSettings &s)
{
    const std::vector<int> &degrees = s.tuning.degrees;
    if (degrees.empty())
        return Succeeded();
    Failure failure = refused(B::DegreeCount, TuningSetting);
    failure.count = std::int64_t(degrees.size());
    failure.limit = s.strings;
    if (int(degrees.size()) != s.strings)
        return failure;
    const int n = int(s.tuning.scale.factors.size());
    for (std::size_t string = 0; string < degrees.size(); ++string) {
        if (degrees[string] < 0 || degrees[string] >= n) {
            failure.reason = B::DegreeOutOfRange;
            failure.count = std::int64_t(string + 1);
            failure.limit = n - 1;
            failure.value = std::to_string(degrees[string]);
            return failure;
        }
    }
    return Succeeded();
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
    if (Done tuning = checkedTuning(s); !tuning)
        return tuning;
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
    const auto [edge1, edgeN] = edgesOf(board, DoubleFromCurrency(settings.overhang));
    const Point d1 = edge1.direction, dN = edgeN.direction;
    const Line nut = through(first.nut, last.nut, d1);
    board.nut = edgeToEdge(nut, edge1, edgeN);
    board.bridge = edgeToEdge(through(first.bridge, last.bridge, d1), edge1, edgeN);
    Line end = nut;
    for (std::size_t k = 1; k <= table.frets.size(); ++k) {
        const Fret &fret = table.frets[k - 1];
        end = through(first.at(k), last.at(k), d1);
        board.frets.push_back(
            {fret.number, fret.note, edgeToEdge(end, edge1, edgeN), 1, int(board.strings.size())});
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
}

// A left-handed board: the drawing mirrored across the centre line.
void mirrored(Fingerboard &board)
{
    for (BoardString &string : board.strings)
        mirror(string.nut), mirror(string.bridge);
    for (BoardFret &fret : board.frets)
        mirror(fret.line.from), mirror(fret.line.to);
    for (Point *p : {&board.nut.from, &board.nut.to, &board.bridge.from, &board.bridge.to})
        mirror(*p);
    for (Point &p : board.outline)
        mirror(p);
}

// Each string's frets as its degree puts them; those on degree 0 keep their table's.
void tuned(Fingerboard &board, const StringTuning &tuning, std::size_t frets)
{
    const int highest = *std::max_element(tuning.degrees.begin(), tuning.degrees.end());
    const std::vector<double> q = DegreeFactors(tuning.scale, highest + int(frets) + 1);
    for (std::size_t s = 0; s < board.strings.size(); ++s) {
        BoardString &string = board.strings[s];
        string.degree = tuning.degrees[s];
        string.notes.push_back(DegreeNote(tuning.scale, string.degree));
        const std::size_t d = std::size_t(string.degree);
        for (std::size_t k = 1; k <= frets; ++k) {
            if (string.degree != 0)
                string.positions[k - 1] = DegreePosition(string.length, q[d], q[d + k]);
            string.notes.push_back(DegreeNote(tuning.scale, string.degree + int(k)));
        }
    }
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
    BoardString first{table.length, {0, halfNut}, {}, positionsOf(table), 0, {}};
    BoardString last{
        bass, {}, {}, bass == table.length ? first.positions : positionsOf(tableAt(bass)), 0, {}};
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
                           {},
                           0,
                           {}};
        const Point along = string.bridge - string.nut;
        string.length = CurrencyFromDouble(std::hypot(along.x, along.y));
        string.positions = positionsOf(tableAt(string.length));
        board.strings.push_back(std::move(string));
    }
    if (n > 1)
        board.strings.push_back(std::move(last));
    layOut(board, table, settings);
    if (settings.tuning.tuned()) {
        tuned(board, settings.tuning, table.frets.size());
        CutFretlets(board, settings, int(table.frets.size()));
    }
    if (settings.leftHanded)
        mirrored(board);
    return board;
}

std::array<Point, 4> SlotOf(const Segment &fret, Currency width)
{
    const Point along = unit(fret.to - fret.from);
    const Point half = (DoubleFromCurrency(width) / 2) * Point{-along.y, along.x};
    return {fret.from - half, fret.to - half, fret.to + half, fret.from + half};
}

} // namespace dorvane
