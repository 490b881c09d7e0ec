// SPDX-License-Identifier: GPL-3.0-or-later
#include "scala_file.h"

#include "file_text.h"
#include "scale.h"
#include "version.h"

#include <algorithm>
#include <compare>
#include <vector>

namespace dorvane
{

namespace
{

// Where an interval lies against the octave: 9/8 below, 2/1 on it, 12 of 12 steps on it too.
std::partial_ordering againstOctave(const Interval &interval)
{
    switch (interval.kind) {
    case Interval::Kind::Ratio:
        return interval.numerator <=> 2 * interval.denominator;
    case Interval::Kind::Steps:
        return interval.steps <=> interval.division;
    case Interval::Kind::Cents:
        break;
    }
    return CentsOf(interval) <=> 1200.0;
}

// A degree as readers that take only ASCII and nothing after the value need it: its name in a
// comment above its value, "! R\u00E9" above " 9/8".
struct Degree {
    std::string name;
    std::string value;
};

// The file, ASCII throughout, each line ended by CR LF: the file's name and the program, the
// title in full above its ASCII form, then the degrees.
std::string fileOf(std::string_view title, std::string_view fileName,
                   const std::vector<Degree> &degrees)
{
    const std::string end = "\r\n";
    std::string file = "! " + Ascii(fileName) + end;
    file += "! " + Ascii(ProgramName) + end;
    file += "! " + EscapedAscii(title) + end;
    file += Ascii(title) + end;
    file += " " + std::to_string(degrees.size()) + end;
    file += "!" + end;
    for (const Degree &degree : degrees) {
        if (!degree.name.empty())
            file += "! " + EscapedAscii(degree.name) + end;
        file += " " + degree.value + end;
    }
    return file;
}

} // namespace

FirstOctave FirstOctaveOf(const FretTable &table)
{
    FirstOctave octave{{}, std::string(scales::OpenStringNote)};
    for (const Fret &fret : table.frets) {
        const std::partial_ordering against = againstOctave(fret.interval);
        if (against < 0 && !(fret.interval == Interval{}))
            octave.notes.push_back(&fret);
        else if (against == 0)
            octave.octaveName = fret.note;
    }
    std::stable_sort(octave.notes.begin(), octave.notes.end(), [](const Fret *a, const Fret *b) {
        return CentsOf(a->interval) < CentsOf(b->interval);
    });
    return octave;
}

std::string ScalaFile(const FretTable &table, std::string_view fileName)
{
    const FirstOctave octave = FirstOctaveOf(table);
    std::vector<Degree> degrees;
    for (const Fret *fret : octave.notes)
        degrees.push_back({fret->note, IntervalText(fret->interval, Notation::Scala)});
    degrees.push_back({octave.octaveName, "2/1"});
    return fileOf(table.title, fileName, degrees);
}

std::string ScalaFile(const ScalaScale &scale, std::string_view fileName)
{
    if (!scale.source.empty())
        return SafeBytes(scale.source);
    std::vector<Degree> degrees;
    for (const ScalaDegree &degree : scale.degrees) {
        const bool octave = againstOctave(degree.pitch) == 0;
        degrees.push_back(
            {degree.label(), octave ? "2/1" : IntervalText(degree.pitch, Notation::Scala)});
    }
    return fileOf(scale.description, fileName, degrees);
}

} // namespace dorvane
