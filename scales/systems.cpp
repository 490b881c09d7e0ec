// SPDX-License-Identifier: GPL-3.0-or-later
#include "systems.h"

#include <algorithm>

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

} // namespace dorvane
