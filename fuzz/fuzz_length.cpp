// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a typed length: the reading, the stored length, then every table and
// mode with their texts, as a user's typing and choices run them.
#include "length_reading.h"
#include "systems.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace dorvane;

namespace
{

[[noreturn]] void fail(const char *what, Currency length)
{
    std::fprintf(stderr, "%s for the length %s\n", what, CurrencyText(length, ".").str().c_str());
    std::abort();
}

// Checks every fret of a table as the window would write it.
void check(const FretTable &table)
{
    const Currency zero;
    const Currency length = table.length;
    for (const Fret &fret : table.frets) {
        const bool between = length >= zero ? (fret.position >= zero && fret.position <= length)
                                            : (fret.position <= zero && fret.position >= length);
        if (!between)
            fail("position outside 0 to the length", length);
        if (CurrencyText(fret.position, ",").str().empty())
            fail("empty text", length);
        if (fret.note.empty())
            fail("bad note", length);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const StoredLength stored = LengthFromText(text);
    const Currency length = stored.value;
    if (stored.state == LengthState::OutOfRange && length != Currency{})
        fail("out of range but not stored as 0", length);

    for (const ScaleSystem &system : scales::Systems) {
        for (int mode = 0; mode < (system.hasModes ? scales::ModeCount : 1); ++mode)
            check(TableOf({&system, mode, length}));
    }

    // Up to 10^9 in magnitude, the text of the length reads back as the same length.
    constexpr std::int64_t Billion = 10'000'000'000'000;
    if (length.scaled() <= Billion && length.scaled() >= -Billion) {
        const StoredLength back = LengthFromText(CurrencyText(length, ".").str());
        if (back.value != length || back.state != LengthState::Valid)
            fail("text does not read back", length);
    }
    return 0;
}
