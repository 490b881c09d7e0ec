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

void WritePositions(Scale scale, Currency length, Currency halfLength, RowWriter &writer)
{
    for (const ScaleRow &row : scale)
        writer.writePosition(row.row, PositionOf(row.position, length, halfLength));
}

void WriteNotes(Scale scale, RowWriter &writer)
{
    for (const ScaleRow &row : scale) {
        if (!row.note.empty())
            writer.writeNote(row.row, row.note);
    }
}

void WriteNotes(std::span<const NoteRow> notes, RowWriter &writer)
{
    for (const NoteRow &row : notes)
        writer.writeNote(row.row, row.note);
}

void WriteTable(Scale shared, Scale own, Currency length, RowWriter &writer)
{
    const Currency half = HalfLength(length);
    WritePositions(shared, length, half, writer);
    WritePositions(own, length, half, writer);
    WriteNotes(shared, writer);
    WriteNotes(own, writer);
}

} // namespace dorvane
