// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems.h"

#include <algorithm>
#include <numeric>

namespace dorvane
{

const ScaleSystem *FindSystem(std::string_view name)
{
    const auto found = std::find_if(scales::Systems.begin(), scales::Systems.end(),
                                    [name](const ScaleSystem &s) { return s.name == name; });
    return found == scales::Systems.end() ? nullptr : &*found;
}

const ScaleSystem *FindSystem(ScaleKind kind)
{
    const auto found = std::find_if(scales::Systems.begin(), scales::Systems.end(),
                                    [kind](const ScaleSystem &s) { return s.kind == kind; });
    return found == scales::Systems.end() ? nullptr : &*found;
}

Sheet SheetFor(ScaleKind kind)
{
    const ScaleSystem *system = FindSystem(kind);
    return system ? system->sheet : Sheet::Rows14;
}

std::string TableName(const TableChoice &table)
{
    if (!table.system)
        return {};
    std::string name(table.system->name);
    if (table.system->hasModes) {
        const int mode = table.mode > 0 && table.mode < scales::ModeCount ? table.mode : 0;
        name += ", mode de " + std::string(scales::Modes[mode].name);
    }
    return name;
}

Interval IntervalOf(const Position &position)
{
    // The tables' ratios are in lowest terms (a test holds them to it): only the octave above
    // one on the half length may halve its denominator.
    const auto a = static_cast<std::uint64_t>(position.a);
    const auto b = static_cast<std::uint64_t>(position.b);
    switch (position.form) {
    case Form::Tempered:
        return Steps(position.semitones, 12);
    case Form::RatioOnLength:
        return Written(a, b);
    case Form::RatioOnHalf:
        return b % 2 == 0 ? Written(a, b / 2) : Written(2 * a, b);
    case Form::HalfShown:
    case Form::Difference:
        return Ratio(2, 1);
    case Form::DoubleOctave:
        break;
    }
    return Ratio(4, 1);
}

namespace
{

// Writes the frets a part of a scale holds, by their index: positions from one half length,
// and the names the frets carry.
void fill(FretTable &table, Scale part, Currency half)
{
    for (const ScaleRow &row : part) {
        Fret &fret = table.frets[static_cast<std::size_t>(row.fret)];
        fret.position = PositionOf(row.position, table.length, half);
        fret.interval = IntervalOf(row.position);
        if (!row.note.empty())
            fret.note = row.note;
    }
}

int fretCount(const ScaleSystem &system)
{
    int count = 0;
    for (Scale part : {system.shared, system.own}) {
        for (const ScaleRow &row : part)
            count = std::max(count, row.fret + 1);
    }
    return count;
}

} // namespace

FretTable TableOf(const TableChoice &choice)
{
    FretTable table;
    if (!choice.system)
        return table;
    const ScaleSystem &system = *choice.system;
    table.title = TableName(choice);
    table.length = choice.length;
    const int count = fretCount(system);
    table.frets.resize(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        table.frets[static_cast<std::size_t>(k)].number = k + 1;
    for (const NoteName &name : system.notes)
        table.frets[static_cast<std::size_t>(name.fret)].note = name.note;
    const Currency half = HalfLength(choice.length);
    fill(table, system.shared, half);
    fill(table, system.own, half);
    if (system.hasModes && choice.mode > 0 && choice.mode < scales::ModeCount)
        fill(table, scales::Modes[choice.mode].rows, half);
    return table;
}

} // namespace dorvane
