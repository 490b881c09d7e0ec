// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_template.h"

#include "label_type.h"

#include <algorithm>
#include <cmath>

namespace dorvane
{

using namespace label_type;

namespace
{

// The end of a fret's segment on the drawing's upper side (smaller y), or on its lower side.
Point endOf(const BoardFret &fret, bool upper)
{
    const bool fromIsUpper = fret.line.from.y < fret.line.to.y;
    return fromIsUpper == upper ? fret.line.from : fret.line.to;
}

// Each fret from its end on the drawing's upper side to its end on the lower side: the fret
// itself, or its outer pieces' ends where the strings' degrees cut it.
std::vector<BoardFret> edgeToEdge(const Fingerboard &board, std::size_t count)
{
    std::vector<BoardFret> frets(count, BoardFret{0, {}, {}});
    for (const BoardFret &piece : board.frets) {
        BoardFret &fret = frets[std::size_t(piece.number - 1)];
        const Point upper = endOf(piece, true), lower = endOf(piece, false);
        if (fret.number == 0)
            fret = {piece.number, piece.note, {upper, lower}};
        if (upper.y < fret.line.from.y)
            fret.line.from = upper;
        if (lower.y > fret.line.to.y)
            fret.line.to = lower;
    }
    return frets;
}

// A piece of a fret that serves some strings only: its first string's note, small, beside it
// between that string and the next.
void labelPieces(FretTemplate &t)
{
    const double height = DoubleFromCurrency(onPaper(1.2, t.unit));
    const double gap = DoubleFromCurrency(onPaper(LabelGapMm, t.unit));
    for (const BoardFret &piece : t.board->frets) {
        if (piece.whole(t.board->strings.size()))
            continue;
        const Point at{piece.line.from.x + 0.75 * (piece.line.to.x - piece.line.from.x),
                       piece.line.from.y + 0.75 * (piece.line.to.y - piece.line.from.y)};
        t.texts.push_back({CurrencyFromDouble(at.x + gap + Ascent * height),
                           CurrencyFromDouble(at.y), CurrencyFromDouble(height), true,
                           TemplateText::Middle, piece.note});
    }
}

// How far the longest label reaches beyond the board.
double labelFrets(FretTemplate &t, std::string_view separator)
{
    const double gap = DoubleFromCurrency(onPaper(LabelGapMm, t.unit));
    const double mm = InfoOf(t.unit).millimetres;
    const std::vector<BoardFret> frets = edgeToEdge(*t.board, t.frets.size());
    const std::vector<double> heights =
        labelHeights(frets.size(), [&](std::size_t i, std::size_t j) {
            const bool upper = frets[i].number % 2 == 1;
            return std::abs(endOf(frets[j], upper).x - endOf(frets[i], upper).x) * mm;
        });
    double longest = 0;
    for (std::size_t i = 0; i < t.frets.size(); ++i) {
        const Fret &fret = t.frets[i];
        const bool upper = fret.number % 2 == 1;
        const Point end = endOf(frets[i], upper);
        const double height = DoubleFromCurrency(onPaper(heights[i], t.unit));
        // On strings tuned to degrees, string 1's own note and position.
        const BoardString &first = t.board->strings.front();
        const bool tuned = !first.notes.empty();
        std::string text = std::to_string(fret.number) + "  " +
                           (tuned ? first.notes[i + 1] : fret.note) + "  " +
                           shown(tuned ? first.positions[i] : fret.position, separator);
        longest = std::max(longest, advanceOf(text) * height);
        t.texts.push_back({CurrencyFromDouble(end.x + (Ascent - Descent) / 2 * height),
                           CurrencyFromDouble(upper ? end.y - gap : end.y + gap),
                           CurrencyFromDouble(height), true,
                           upper ? TemplateText::Start : TemplateText::End, std::move(text)});
    }
    return gap + longest;
}

// "Sillet" and "Chevalet" outside the board, at the middle of the nut and of the bridge.
void nameEnds(FretTemplate &t)
{
    const double gap = DoubleFromCurrency(onPaper(LabelGapMm, t.unit));
    const double height = DoubleFromCurrency(onPaper(LabelMm, t.unit));
    const auto middle = [](const Segment &s) {
        return Point{(s.from.x + s.to.x) / 2, (s.from.y + s.to.y) / 2};
    };
    const Point nut = middle(t.board->nut), bridge = middle(t.board->bridge);
    t.texts.push_back({CurrencyFromDouble(std::min(t.board->nut.from.x, t.board->nut.to.x) - gap -
                                          Descent * height),
                       CurrencyFromDouble(nut.y), CurrencyFromDouble(height), true,
                       TemplateText::Middle, "Sillet"});
    t.texts.push_back({CurrencyFromDouble(std::max(t.board->bridge.from.x, t.board->bridge.to.x) +
                                          gap + Ascent * height),
                       CurrencyFromDouble(bridge.y), CurrencyFromDouble(height), true,
                       TemplateText::Middle, "Chevalet"});
}

} // namespace

void LayOutBoard(FretTemplate &t, std::string_view separator)
{
    const Fingerboard &board = *t.board;
    double left = 0, right = 0, top = 0, bottom = 0;
    const auto take = [&](Point p) {
        left = std::min(left, p.x), right = std::max(right, p.x);
        top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    };
    for (const Point &p : board.outline)
        take(p);
    for (const Segment &s : {board.nut, board.bridge})
        take(s.from), take(s.to);
    nameEnds(t);
    const double labels = labelFrets(t, separator);
    labelPieces(t);
    const double room = DoubleFromCurrency(onPaper(MarkRoomMm, t.unit));
    t.top = CurrencyFromDouble(top - labels - room);
    t.bottom = CurrencyFromDouble(bottom + labels + room);
    t.texts.push_back({CurrencyFromDouble(left), t.bottom - onPaper(MarkRoomMm / 2 - 1.75, t.unit),
                       onPaper(3.5, t.unit), false, TemplateText::Start, t.title});
    t.left = CurrencyFromDouble(left) - onPaper(15.0, t.unit);
    t.right = CurrencyFromDouble(right) + onPaper(15.0, t.unit);
}

std::optional<Gap> SmallestGap(const Fingerboard &board)
{
    std::optional<Gap> smallest;
    for (const BoardString &string : board.strings) {
        for (std::size_t i = 1; i < string.positions.size(); ++i) {
            const Currency width = string.positions[i] - string.positions[i - 1];
            if (!smallest || width < smallest->width)
                smallest = Gap{width, int(i)};
        }
    }
    return smallest;
}

std::vector<std::vector<std::string>> BoardColumns(const Fingerboard &board,
                                                   std::string_view separator)
{
    const std::size_t frets = board.strings.front().positions.size();
    std::vector<std::vector<std::string>> rows(frets + 2);
    for (std::size_t s = 0; s < board.strings.size(); ++s) {
        const BoardString &string = board.strings[s];
        const bool tuned = !string.notes.empty();
        rows[0].push_back(CurrencyText(string.length, separator).str());
        rows[1].push_back("Corde " + std::to_string(s + 1) +
                          (tuned ? " (" + string.notes[0] + ")" : std::string()));
        if (tuned)
            rows[0].emplace_back(), rows[1].emplace_back("Note");
        for (std::size_t k = 0; k < frets; ++k) {
            rows[k + 2].push_back(CurrencyText(string.positions[k], separator).str());
            if (tuned)
                rows[k + 2].push_back(string.notes[k + 1]);
        }
    }
    return rows;
}

std::vector<std::vector<std::string>> TemplateRows(const FretTemplate &t,
                                                   std::string_view separator)
{
    std::vector<std::vector<std::string>> columns =
        t.board ? BoardColumns(*t.board, separator)
                : std::vector<std::vector<std::string>>{{CurrencyText(t.length, separator).str()},
                                                        {"Position"}};
    if (!t.board) {
        for (const Fret &fret : t.frets)
            columns.push_back({CurrencyText(fret.position, separator).str()});
    }
    // Strings tuned to degrees each have their notes.
    const bool tuned = t.board && !t.board->strings.front().notes.empty();
    std::vector<std::vector<std::string>> rows;
    rows.reserve(columns.size());
    for (std::size_t r = 0; r < columns.size(); ++r) {
        std::vector<std::string> row{r == 0   ? "Longueur"
                                     : r == 1 ? "Frette"
                                              : std::to_string(t.frets[r - 2].number)};
        row.insert(row.end(), columns[r].begin(), columns[r].end());
        if (r > 0 && !tuned)
            row.push_back(r == 1 ? "Note" : t.frets[r - 2].note);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace dorvane
