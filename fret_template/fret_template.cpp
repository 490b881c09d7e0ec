// SPDX-License-Identifier: GPL-3.0-or-later
#include "fret_template.h"

#include "board_template.h"
#include "label_type.h"

#include <algorithm>
#include <cmath>

namespace dorvane
{

using namespace label_type;

namespace
{

constexpr UnitInfo units[] = {
    {"mm", "mm", 4, 1.0},
    {"cm", "cm", 5, 10.0},
    {"in", "po", 1, 25.4},
};

// One label per fret beyond the strip, where no line and no slot reaches: odd frets above it,
// even ones below, each read from bottom to top with its text centred on the fret, so that
// close frets keep their labels apart. Returns how far the longest reaches from the strip.
Currency labelFrets(FretTemplate &t, std::string_view separator)
{
    const Currency half = Currency::fromScaled(t.width.scaled() / 2);
    const Currency gap = onPaper(LabelGapMm, t.unit);
    const double mm = InfoOf(t.unit).millimetres;
    const std::vector<double> heights =
        labelHeights(t.frets.size(), [&](std::size_t i, std::size_t j) {
            return std::abs(DoubleFromCurrency(t.frets[j].position - t.frets[i].position)) * mm;
        });
    double longest = 0;
    for (std::size_t i = 0; i < t.frets.size(); ++i) {
        const Fret &fret = t.frets[i];
        const double height = heights[i];
        const Currency x = fret.position + onPaper((Ascent - Descent) / 2 * height, t.unit);
        const bool above = fret.number % 2 == 1;
        std::string text =
            std::to_string(fret.number) + "  " + fret.note + "  " + shown(fret.position, separator);
        longest = std::max(longest, advanceOf(text) * height);
        t.texts.push_back({x, above ? Currency() - half - gap : half + gap, onPaper(height, t.unit),
                           true, above ? TemplateText::Start : TemplateText::End, std::move(text)});
    }
    return gap + onPaper(longest, t.unit);
}

// "Sillet" and "Chevalet" beside the strip, outside it, read from bottom to top.
void nameEnds(FretTemplate &t)
{
    const double gap = LabelGapMm;
    t.texts.push_back({Currency() - onPaper(gap + Descent * LabelMm, t.unit), Currency(),
                       onPaper(LabelMm, t.unit), true, TemplateText::Middle, "Sillet"});
    t.texts.push_back({t.length + onPaper(gap + Ascent * LabelMm, t.unit), Currency(),
                       onPaper(LabelMm, t.unit), true, TemplateText::Middle, "Chevalet"});
}

// A board of two strings or more: possible, and its slots narrower than every gap along every
// string.
Done checkBoard(const FretTable &table, const TemplateSettings &settings, const TableAt &tableAt)
{
    const Result<Fingerboard> board = MakeBoard(table, settings.board, tableAt);
    if (!board)
        return board.failure();
    if (settings.slotWidth < Currency())
        return Failure{TemplateFault::SlotOverStrip, {}, {}, 0, 0, SlotSetting};
    const auto gap = SmallestGap(*board);
    if (settings.slotWidth > Currency() && gap && settings.slotWidth >= gap->width)
        return Failure{TemplateFault::SlotOverGap, {}, gap->width, gap->after, 0, SlotSetting};
    return Succeeded();
}

} // namespace

const UnitInfo &InfoOf(Unit unit)
{
    return units[static_cast<std::size_t>(unit)];
}

std::string TemplateTitle(const FretTable &table, Unit unit, std::string_view separator)
{
    return table.title + ", longueur " + shown(table.length, separator) + " " +
           std::string(InfoOf(unit).shown);
}

Currency DefaultStripWidth(Unit unit)
{
    return onPaper(60.0, unit);
}

BoardSettings DefaultBoard(Unit unit)
{
    BoardSettings board;
    board.nutSpan = onPaper(35.0, unit);
    board.bridgeSpan = onPaper(52.5, unit);
    board.overhang = onPaper(3.5, unit);
    return board;
}

Done CheckTemplate(const FretTable &table, const TemplateSettings &settings, const TableAt &tableAt)
{
    using R = TemplateFault;
    const auto outOfRange = [](Currency value) {
        return value <= Currency() || value > LargestLength;
    };
    if (table.empty())
        return Failure{R::NoTable, {}, {}, 0, 0, TableSetting};
    if (outOfRange(table.length))
        return Failure{R::OutOfRange, {}, LargestLength, 0, 0, LengthSetting};
    if (settings.board.strings != 1)
        return checkBoard(table, settings, tableAt);
    if (outOfRange(settings.stripWidth))
        return Failure{R::OutOfRange, {}, LargestLength, 0, 0, StripSetting};
    if (settings.slotWidth < Currency() || settings.slotWidth >= settings.stripWidth)
        return Failure{R::SlotOverStrip, {}, settings.stripWidth, 0, 0, SlotSetting};
    if (settings.slotWidth > Currency()) {
        const auto gap = SmallestGap(table.frets);
        if (gap && settings.slotWidth >= gap->width)
            return Failure{R::SlotOverGap, {}, gap->width, gap->after, 0, SlotSetting};
    }
    return Succeeded();
}

std::optional<Gap> SmallestGap(const std::vector<Fret> &frets)
{
    std::optional<Gap> smallest;
    for (std::size_t i = 1; i < frets.size(); ++i) {
        const Currency width = frets[i].position - frets[i - 1].position;
        if (!smallest || width < smallest->width)
            smallest = Gap{width, frets[i - 1].number};
    }
    return smallest;
}

FretTemplate MakeTemplate(const FretTable &table, const TemplateSettings &settings,
                          std::string_view decimalSeparator, const TableAt &tableAt)
{
    FretTemplate t;
    t.unit = settings.unit;
    t.length = table.length;
    t.width = settings.stripWidth;
    t.slot = settings.slotWidth;
    t.frets = table.frets;
    t.title = TemplateTitle(table, t.unit, decimalSeparator);
    if (settings.board.strings != 1) {
        t.board = *MakeBoard(table, settings.board, tableAt); // CheckTemplate has held it
        LayOutBoard(t, decimalSeparator);
        return t;
    }
    const Currency half = Currency::fromScaled(t.width.scaled() / 2);
    nameEnds(t);
    const Currency labels = labelFrets(t, decimalSeparator);
    // Beyond the labels on either side, room for the marks that join the pages; the title
    // stands in the room below, from the nut, where no mark falls.
    const Currency room = onPaper(MarkRoomMm, t.unit);
    t.top = Currency() - half - labels - room;
    t.bottom = half + labels + room;
    t.texts.push_back({Currency(), t.bottom - onPaper(MarkRoomMm / 2 - 1.75, t.unit),
                       onPaper(3.5, t.unit), false, TemplateText::Start, t.title});
    t.left = Currency() - onPaper(15.0, t.unit);
    t.right = t.length + onPaper(15.0, t.unit);
    return t;
}

Edge EdgeOf(Currency centre, Currency width, int side)
{
    return {2 * centre.scaled() + side * width.scaled()};
}

std::string EdgeText(Edge edge)
{
    const bool negative = edge.twentyThousandths < 0;
    const std::uint64_t magnitude = negative ? 0 - std::uint64_t(edge.twentyThousandths)
                                             : std::uint64_t(edge.twentyThousandths);
    std::string text(negative ? "-" : "");
    text += std::to_string(magnitude / 20000);
    std::uint64_t fraction = magnitude % 20000 * 5; // hundred-thousandths
    if (fraction != 0) {
        std::string digits = std::to_string(fraction);
        digits.insert(0, 5 - digits.size(), '0');
        while (digits.back() == '0')
            digits.pop_back();
        text += "." + digits;
    }
    return text;
}

std::string PointText(Currency value)
{
    return CurrencyText(value, ".").str();
}

} // namespace dorvane
