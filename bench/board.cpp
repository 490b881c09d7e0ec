// SPDX-License-Identifier: GPL-3.0-or-later
// A whole fingerboard computed: six strings fanned over 24 frets, and the most the program
// allows, 24 strings over 500 frets of 1000 equal divisions; the template of the first made
// and written as SVG and as DXF.
#include "bench.h"

#include "dxf.h"
#include "fingerboard.h"
#include "scala_scale.h"
#include "svg.h"
#include "systems.h"

using namespace dorvane;

namespace
{

// A guitar's spans, fanned from 648 to 686, fret 7 perpendicular.
BoardSettings fanned(int strings)
{
    BoardSettings settings = DefaultBoard(Unit::Millimetre);
    settings.strings = strings;
    settings.bassLength = CurrencyFromDouble(686);
    settings.perpendicular = 7;
    return settings;
}

void boardComputed(benchmark::State &state, int strings, TableAt tableAt)
{
    const FretTable table = tableAt(CurrencyFromDouble(648));
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeBoard(table, fanned(strings), tableAt));
}

// Strings on their own degrees: a guitar in "Zarlino Chromatique" (42 frets), or 24 strings
// each on another degree of 1000 equal divisions, over 500 frets.
BoardSettings tunedGuitar(const FretTable &table)
{
    BoardSettings settings = fanned(6);
    settings.tuning.scale = DegreesOf(table);
    settings.tuning.degrees = *ReadTuning("Mi Si Sol Ré La Mi", settings.tuning.scale, 6);
    return settings;
}

void tunedComputed(benchmark::State &state, TableAt tableAt, bool guitar)
{
    const FretTable table = tableAt(CurrencyFromDouble(648));
    BoardSettings settings = fanned(guitar ? 6 : MostStrings);
    if (guitar) {
        settings = tunedGuitar(table);
    } else {
        settings.tuning.scale = DegreesOf(*EqualDivisions(MostDivisions));
        for (int s = 0; s < MostStrings; ++s)
            settings.tuning.degrees.push_back(41 * s % MostDivisions);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeBoard(table, settings, tableAt));
}

// Made and written, as the dialog and the command line do: six strings, or a tuned guitar.
template <class Write>
void boardWritten(benchmark::State &state, const TableAt &tableAt, Write write, bool tuned)
{
    const FretTable table = tableAt(CurrencyFromDouble(648));
    TemplateSettings settings;
    settings.board = tuned ? tunedGuitar(table) : fanned(6);
    settings.slotWidth = CurrencyFromDouble(0.6);
    for (auto _ : state)
        benchmark::DoNotOptimize(write(MakeTemplate(table, settings, ",", tableAt)));
}

} // namespace

namespace bench
{

void registerBoard()
{
    const TableAt tempered = [](Currency length) {
        return TableOf({FindSystem(ScaleKind::TemperedChromatic), 0, length});
    };
    benchmark::RegisterBenchmark("board computed/6 strings, 24 frets", boardComputed, 6, tempered)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("board template/SVG, 6 strings, 24 frets",
                                 boardWritten<decltype(&TemplateSvg)>, tempered, &TemplateSvg,
                                 false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("board template/DXF, 6 strings, 24 frets",
                                 boardWritten<decltype(&TemplateDxf)>, tempered, &TemplateDxf,
                                 false)
        ->Unit(benchmark::kMicrosecond);
    const TableAt zarlino = [](Currency length) {
        return TableOf({FindSystem(ScaleKind::ZarlinoChromatic), 0, length});
    };
    benchmark::RegisterBenchmark("tuned board computed/6 strings, 42 frets", tunedComputed, zarlino,
                                 true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("tuned board template/SVG, 6 strings, 42 frets",
                                 boardWritten<decltype(&TemplateSvg)>, zarlino, &TemplateSvg, true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("tuned board template/DXF, 6 strings, 42 frets",
                                 boardWritten<decltype(&TemplateDxf)>, zarlino, &TemplateDxf, true)
        ->Unit(benchmark::kMicrosecond);
    static const ScalaScale thousand = *EqualDivisions(MostDivisions);
    const TableAt divided = [](Currency length) { return TableOf(thousand, length, MostFrets); };
    benchmark::RegisterBenchmark("board computed/24 strings, 500 frets", boardComputed, MostStrings,
                                 divided)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("tuned board computed/24 strings, 500 frets", tunedComputed,
                                 divided, false)
        ->Unit(benchmark::kMicrosecond);
}

} // namespace bench
