// SPDX-License-Identifier: GPL-3.0-or-later
#include "scala_file.h"

#include "decimal_text.h"
#include "file_text.h"
#include "intervals.h"
#include "scale.h"
#include "version.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dorvane
{

namespace
{

bool belowOctave(const Interval &interval)
{
    return interval.tempered() ? interval.steps < interval.division
                               : interval.numerator < 2 * interval.denominator;
}

bool isOctave(const Interval &interval)
{
    return interval.tempered() ? interval.steps == interval.division
                               : interval.numerator == 2 * interval.denominator;
}

// "2187/2048", or "100.00000" for a tempered step.
std::string pitchText(const Interval &interval)
{
    if (!interval.tempered())
        return IntervalText(interval);
    return DecimalText(CentsOf(interval), 5);
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

std::string ScalaFile(const FretTable &table, std::string_view fileName)
{
    std::vector<const Fret *> notes;
    std::string octaveName(scales::OpenStringNote);
    for (const Fret &fret : table.frets) {
        if (belowOctave(fret.interval) && !(fret.interval == Interval{}))
            notes.push_back(&fret);
        else if (isOctave(fret.interval))
            octaveName = fret.note;
    }
    std::stable_sort(notes.begin(), notes.end(), [](const Fret *a, const Fret *b) {
        return CentsOf(a->interval) < CentsOf(b->interval);
    });
    std::vector<Degree> degrees;
    for (const Fret *fret : notes)
        degrees.push_back({fret->note, pitchText(fret->interval)});
    degrees.push_back({octaveName, "2/1"});
    return fileOf(table.title, fileName, degrees);
}

std::string ScalaFile(const ScalaScale &scale, std::string_view fileName)
{
    if (!scale.source.empty())
        return SafeBytes(scale.source);
    std::vector<Degree> degrees;
    for (const ScalaDegree &degree : scale.degrees) {
        const bool octave =
            degree.pitch.kind == Pitch::Kind::Step && degree.pitch.step == degree.pitch.divisions;
        degrees.push_back(
            {degree.label(), octave ? std::string("2/1")
                                    : DecimalText(1200.0 * std::log2(degree.pitch.value()), 5)});
    }
    return fileOf(scale.description, fileName, degrees);
}

} // namespace dorvane
