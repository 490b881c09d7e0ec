// SPDX-License-Identifier: GPL-3.0-or-later
#include "fret_template.h"

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

// One label per fret, along its line: odd frets in the upper half of the strip, even ones in
// the lower half, so that close frets keep their labels apart.
void labelFrets(FretTemplate &t, std::string_view separator)
{
    const Currency height = onPaper(2.5, t.unit);
    const Currency gap = onPaper(0.7, t.unit);
    const Currency half = Currency::fromScaled(t.width.scaled() / 2);
    const Currency slotHalf = Currency::fromScaled((t.slot.scaled() + 1) / 2);
    for (const Fret &fret : t.frets) {
        const Currency x = fret.position - slotHalf - gap;
        const Currency y = fret.number % 2 == 1 ? Currency() - gap : half - gap;
        std::string text = std::to_string(fret.number) + "  " +
                           std::string(TrimmedNote(fret.note)) + "  " +
                           shown(fret.position, separator);
        t.texts.push_back({x, y, height, true, TemplateText::Start, std::move(text)});
    }
}

} // namespace

const UnitInfo &InfoOf(Unit unit)
{
    return units[static_cast<std::size_t>(unit)];
}

std::string TemplateTitle(const TableChoice &table, Unit unit, std::string_view separator)
{
    return TableName(table) + ", longueur " + shown(table.length, separator) + " " +
           std::string(InfoOf(unit).shown);
}

Currency DefaultStripWidth(Unit unit)
{
    return onPaper(60.0, unit);
}

std::optional<TemplateProblem> ProblemOf(const TableChoice &table, const TemplateSettings &settings)
{
    // A hundred metres in millimetres, far beyond any instrument, keeps every edge in range.
    const Currency largest = Currency::fromScaled(100000LL * 10000);
    if (!table.system)
        return TemplateProblem{TemplateProblem::Table,
                               "le tableau est vide : choisissez d'abord une gamme"};
    if (table.length <= Currency() || table.length > largest)
        return TemplateProblem{TemplateProblem::Length,
                               "la longueur vibrante doit être positive et d'au plus 100000"};
    if (settings.stripWidth <= Currency() || settings.stripWidth > largest)
        return TemplateProblem{TemplateProblem::StripWidth,
                               "la largeur de la bande doit être positive et d'au plus 100000"};
    if (settings.slotWidth < Currency() || settings.slotWidth >= settings.stripWidth)
        return TemplateProblem{TemplateProblem::SlotWidth,
                               "la largeur des fentes doit être positive ou nulle et inférieure "
                               "à celle de la bande"};
    return std::nullopt;
}

FretTemplate MakeTemplate(const TableChoice &table, const TemplateSettings &settings,
                          std::string_view decimalSeparator)
{
    FretTemplate t;
    t.unit = settings.unit;
    t.length = table.length;
    t.width = settings.stripWidth;
    t.slot = settings.slotWidth;
    t.frets = FretsOf(table);
    t.title = TemplateTitle(table, t.unit, decimalSeparator);
    const Currency half = Currency::fromScaled(t.width.scaled() / 2);
    const Currency height = onPaper(2.5, t.unit);
    const Currency above = Currency() - half - onPaper(2.0, t.unit);
    t.texts.push_back({Currency(), above, height, false, TemplateText::Middle, "Sillet"});
    t.texts.push_back({t.length, above, height, false, TemplateText::Middle, "Chevalet"});
    labelFrets(t, decimalSeparator);
    t.texts.push_back({Currency(), half + onPaper(7.0, t.unit), onPaper(3.5, t.unit), false,
                       TemplateText::Start, t.title});
    t.left = Currency() - onPaper(15.0, t.unit);
    t.right = t.length + onPaper(15.0, t.unit);
    t.top = Currency() - half - onPaper(10.0, t.unit);
    t.bottom = half + onPaper(12.0, t.unit);
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
