// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale.h"

namespace dorvane
{

Currency PositionOf(const Position &position, Currency length, Currency halfLength)
{
    switch (position.form) {
    case Form::Tempered:
        return TemperedPosition(length, position.semitones);
    case Form::RatioOnLength:
        return RatioPosition(length, length, position.a, position.b);
    case Form::RatioOnHalf:
        return RatioPosition(length, halfLength, position.a, position.b);
    case Form::HalfShown:
        return halfLength;
    case Form::Difference:
        return length - halfLength;
    case Form::DoubleOctave:
        return DoubleOctavePosition(length);
    }
    return Currency{};
}

} // namespace dorvane
