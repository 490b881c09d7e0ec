// SPDX-License-Identifier: GPL-3.0-or-later
#include "scala.h"

#include "decimal_text.h"
#include "file_text.h"
#include "intervals.h"
#include "latin1.h"
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

} // namespace

std::string ScalaFile(const FretTable &table, std::string_view fileName)
{
    std::vector<const Fret *> degrees;
    std::string octaveName = "Do";
    for (const Fret &fret : table.frets) {
        if (belowOctave(fret.interval) && !(fret.interval == Interval{}))
            degrees.push_back(&fret);
        else if (isOctave(fret.interval))
            octaveName = fret.note;
    }
    std::stable_sort(degrees.begin(), degrees.end(), [](const Fret *a, const Fret *b) {
        return CentsOf(a->interval) < CentsOf(b->interval);
    });
    const std::string end = "\r\n";
    std::string file = "! " + std::string(fileName) + end;
    file += "! " + std::string(ProgramName) + end;
    file += table.title + end;
    file += " " + std::to_string(degrees.size() + 1) + end;
    file += "!" + end;
    for (const Fret *fret : degrees)
        file += " " + pitchText(fret->interval) + " " + fret->note + end;
    file += " 2/1 " + octaveName + end;
    return Latin1(file);
}

} // namespace dorvane

namespace dorvane
{

std::string ScalaFile(const ScalaScale &scale, std::string_view fileName)
{
    if (!scale.source.empty())
        return SafeBytes(scale.source);
    const std::string end = "\r\n";
    std::string file = "! " + std::string(fileName) + end;
    file += "! " + std::string(ProgramName) + end;
    file += scale.description + end;
    file += " " + std::to_string(scale.degrees.size()) + end;
    file += "!" + end;
    for (const ScalaDegree &degree : scale.degrees) {
        const bool octave =
            degree.pitch.kind == Pitch::Kind::Step && degree.pitch.step == degree.pitch.divisions;
        const std::string cents = DecimalText(1200.0 * std::log2(degree.pitch.value()), 5);
        file += " " + (octave ? std::string("2/1") : cents) + " " + degree.name + end;
    }
    return Latin1(file);
}

} // namespace dorvane
