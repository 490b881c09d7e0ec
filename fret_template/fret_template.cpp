// SPDX-License-Identifier: GPL-3.0-or-later
#include "fret_template.h"

#include <algorithm>
#include <cmath>

namespace dorvane
{

namespace
{

constexpr UnitInfo units[] = {
    {"mm", "mm", 4, 1.0},
    {"cm", "cm", 5, 10.0},
    {"in", "po", 1, 25.4},
};

// Millimetres on paper, as a length in the unit: 2.5 mm is 0.0984 in.
Currency onPaper(double millimetres, Unit unit)
{
    return CurrencyFromDouble(millimetres / InfoOf(unit).millimetres);
}

std::string shown(Currency value, std::string_view separator)
{
    return CurrencyText(value, separator).str();
}

// The proportions of the labels' face (Liberation Sans, which the pages draw with and the SVG asks
// for): above and below the baseline, in ems, and a generous advance of a character.
constexpr double Ascent = 0.905;
constexpr double Descent = 0.212;
constexpr double LabelMm = 2.5;     // the height of a label's type, where there is room
constexpr double LabelGapMm = 0.7;  // between the strip and a label
constexpr double ClearanceMm = 0.3; // between two labels side by side

// Ems a text takes along its baseline, at least: "41  Si #  483,6111" takes about 8.6.
double advanceOf(std::string_view utf8)
{
    double ems = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue; // within a character
        if (c == ' ' || c == ',' || c == '.')
            ems += 0.28;
        else if ((c >= 'A' && c <= 'Z') || c == 'm' || c == 'w')
            ems += 0.84;
        else
            ems += 0.56;
    }
    return ems;
}

// The type of each fret's label, in millimetres: 2.5, or less where the labels on its side of
// the strip (every other fret) stand too close to it for their text.
std::vector<double> labelHeights(const FretTemplate &t)
{
    const double mm = InfoOf(t.unit).millimetres;
    std::vector<double> heights(t.frets.size(), LabelMm);
    for (std::size_t i = 0; i < t.frets.size(); ++i) {
        for (std::size_t j : {i - 2, i + 2}) {
            if (j >= t.frets.size())
                continue; // also i - 2 below 0
            const double apart =
                std::abs(DoubleFromCurrency(t.frets[j].position - t.frets[i].position)) * mm;
            heights[i] = std::min(heights[i], (apart - ClearanceMm) / (Ascent + Descent));
        }
        heights[i] = std::max(heights[i], 0.05);
    }
    return heights;
}

// One label per fret beyond the strip, where no line and no slot reaches: odd frets above it,
// even ones below, each read from bottom to top with its text centred on the fret, so that
// close frets keep their labels apart. Returns how far the longest reaches from the strip.
Currency labelFrets(FretTemplate &t, std::string_view separator)
{
    const Currency half = Currency::fromScaled(t.width.scaled() / 2);
    const Currency gap = onPaper(LabelGapMm, t.unit);
    const std::vector<double> heights = labelHeights(t);
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

Done CheckTemplate(const FretTable &table, const TemplateSettings &settings)
{
    using R = TemplateFault;
    const auto outOfRange = [](Currency value) {
        return value <= Currency() || value > LargestLength;
    };
    if (table.empty())
        return Failure{R::NoTable, {}, {}, 0, 0, TableSetting};
    if (outOfRange(table.length))
        return Failure{R::OutOfRange, {}, LargestLength, 0, 0, LengthSetting};
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
                          std::string_view decimalSeparator)
{
    FretTemplate t;
    t.unit = settings.unit;
    t.length = table.length;
    t.width = settings.stripWidth;
    t.slot = settings.slotWidth;
    t.frets = table.frets;
    t.title = TemplateTitle(table, t.unit, decimalSeparator);
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
