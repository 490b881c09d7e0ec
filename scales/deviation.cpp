// SPDX-License-Identifier: GPL-3.0-or-later
#include "deviation.h"

#include "systems.h"

#include <cmath>

namespace dorvane
{

namespace
{

// The interval brought into the octave above Do, exactly where its terms allow, in cents:
// 9/4 gives the cents of 9/8, 19 of 12 steps 700.
double centsInOctave(const Interval &interval)
{
    switch (interval.kind) {
    case Interval::Kind::Cents:
        return interval.cents - 1200.0 * std::floor(interval.cents / 1200.0);
    case Interval::Kind::Steps:
        return CentsOf(Steps(interval.steps % interval.division, interval.division));
    case Interval::Kind::Ratio:
        break;
    }
    std::uint64_t a = interval.numerator, b = interval.denominator;
    while (a >= 2 * b) {
        if (a % 2 == 0)
            a /= 2;
        else if (b < (std::uint64_t{1} << 62))
            b *= 2;
        else
            return std::fmod(CentsOf(Written(a, b)), 1200.0);
    }
    return CentsOf(Written(a, b));
}

} // namespace

std::string_view TemperedNote(int semitones)
{
    // The tempered table's first octave names its frets from Do # (1) to the octave's Do (12).
    const NoteNames &names = scales::ChromaticNotes;
    return names[std::size_t((semitones + 11) % 12)].note;
}

std::optional<int> SemitonesOf(std::string_view note)
{
    for (const auto &[name, semitones] : scales::NaturalNotes) {
        if (note == name)
            return semitones;
        if (note.size() == name.size() + 2 && note.starts_with(name) && note[name.size()] == ' ' &&
            (note.back() == '#' || note.back() == 'b'))
            return (semitones + (note.back() == '#' ? 13 : 11)) % 12;
    }
    return std::nullopt;
}

Deviation DeviationOf(const Interval &interval, std::string_view spelled, std::string_view open)
{
    const double cents = centsInOctave(interval);
    const double nearest = std::nearbyint(cents / 100.0);
    const int semitones = static_cast<int>(nearest); // 0 to 12: cents lie in [0, 1200)
    const int above = (SemitonesOf(open).value_or(0) + semitones) % 12;
    const std::optional<int> own = SemitonesOf(spelled);
    const std::string_view note = own && *own == above ? spelled : TemperedNote(above);
    return {semitones, std::string(note), cents - 100.0 * nearest};
}

} // namespace dorvane
