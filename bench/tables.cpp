// SPDX-License-Identifier: GPL-3.0-or-later
// The computation of every table, positions and texts, as the window would write them.
#include "bench.h"

#include "length_reading.h"
#include "systems.h"

#include <algorithm>
#include <array>
#include <new>

using namespace dorvane;

namespace
{

// The table of frets of a system, and the texts of its positions as the window writes them.
void computeTable(benchmark::State &state, const ScaleSystem &system, std::int64_t scaledLength)
{
    std::array<ShortText, 43> texts;
    const Currency length = Currency::fromScaled(scaledLength);
    for (auto _ : state) {
        const FretTable table = TableOf({&system, 0, length});
        for (std::size_t k = 0; k < table.frets.size(); ++k) {
            // Made in its place: copying a text just written costs more than making it.
            ::new (static_cast<void *>(&texts[k]))
                ShortText(CurrencyText(table.frets[k].position, ","));
        }
        benchmark::DoNotOptimize(texts);
        benchmark::DoNotOptimize(table);
    }
}

// A ten-megabyte paste of digits into the length box, read in one pass.
void readLongLength(benchmark::State &state)
{
    const std::string text = "650" + std::string(10'000'000, '7');
    for (auto _ : state)
        benchmark::DoNotOptimize(LengthFromText(text));
}

std::size_t rowCount(const ScaleSystem &system)
{
    return TableOf({&system, 0, {}}).frets.size();
}

} // namespace

namespace bench
{

std::string referenceTable()
{
    const auto widest = std::max_element(
        scales::Systems.begin(), scales::Systems.end(),
        [](const ScaleSystem &a, const ScaleSystem &b) { return rowCount(a) < rowCount(b); });
    return "table/" + std::string(widest->name) + "/";
}

void registerTables()
{
    for (const ScaleSystem &system : scales::Systems) {
        for (std::int64_t length : {std::int64_t{6500000}, std::int64_t{10000000000000}}) {
            const std::string name =
                "table/" + std::string(system.name) + (length == 6500000 ? "/650" : "/1e9");
            benchmark::RegisterBenchmark(name.c_str(), computeTable, system, length);
        }
    }
    benchmark::RegisterBenchmark("length read/10 MB", readLongLength)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
