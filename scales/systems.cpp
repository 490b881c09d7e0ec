// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems.h"

#include <algorithm>
#include <array>

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

void WriteTable(const ScaleSystem &system, Currency length, RowWriter &writer)
{
    WriteTable(system.shared, system.own, length, writer);
}

namespace
{

// A table's rows as a window's boxes would hold them.
struct RowTable : RowWriter {
    std::array<Currency, RowCount> positions{};
    std::array<std::string_view, RowCount> notes{};
    void writePosition(int row, Currency position) override { positions[row] = position; }
    void writeNote(int row, std::string_view note) override { notes[row] = note; }
};

} // namespace

void WriteTable(const TableChoice &table, RowWriter &writer)
{
    if (table.system->hasModes && table.mode > 0 && table.mode < scales::ModeCount)
        WriteTable({}, scales::Modes[table.mode].rows, table.length, writer);
    else
        WriteTable(*table.system, table.length, writer);
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

std::string_view TrimmedNote(std::string_view note)
{
    while (!note.empty() && note.back() == ' ')
        note.remove_suffix(1);
    return note;
}

std::vector<Fret> FretsOf(const TableChoice &table)
{
    std::vector<Fret> frets;
    if (!table.system)
        return frets;
    RowTable rows;
    WriteNotes(table.system->notes, rows);
    WriteTable(table, rows);
    for (const RowRange &range : table.system->rows) {
        for (int i = range.first; i <= range.last; ++i)
            frets.push_back({int(frets.size()) + 1, i, rows.notes[i], rows.positions[i]});
    }
    return frets;
}

} // namespace dorvane
