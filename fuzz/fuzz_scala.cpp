// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a Scala file: refused whole, or a scale whose table, two periods of frets
// on a length, goes from the nut towards the bridge, every fret between the two.
#include "scala_scale.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

using namespace dorvane;

namespace
{

[[noreturn]] void fail(const char *what, int fret)
{
    std::fprintf(stderr, "%s at fret %d\n", what, fret);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Result<ScalaScale> read =
        ReadScala(std::string_view(reinterpret_cast<const char *>(data), size));
    if (!read)
        return 0;
    if (read->degrees.empty())
        fail("a scale without a degree", 0);
    for (const Currency length : {Currency::fromScaled(6500000), Currency::fromScaled(10000)}) {
        const FretTable table = TableOf(*read, length, 0);
        const Currency zero;
        Currency previous;
        double previousValue = 1.0;
        for (const Fret &fret : table.frets) {
            if (fret.position < zero || fret.position > length)
                fail("a position outside 0 to the length", fret.number);
            // Higher and higher: equal only where two pitches stand closer than the length's
            // four decimals can tell.
            if (fret.position < previous)
                fail("a fret before the one below it", fret.number);
            const ScalaDegree &degree =
                read->degrees[std::size_t(fret.number - 1) % read->degrees.size()];
            const double value = degree.pitch.value();
            if (fret.number <= int(read->degrees.size()) && !(value > previousValue))
                fail("degrees not in ascending pitch", fret.number);
            previousValue = value;
            previous = fret.position;
        }
    }
    return 0;
}
