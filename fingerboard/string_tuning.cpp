// SPDX-License-Identifier: GPL-3.0-or-later
#include "string_tuning.h"

#include "interval.h"
#include "scala_file.h"

#include <algorithm>
#include <cmath>

namespace dorvane
{

namespace
{

bool isSeparator(char c)
{
    return c == ' ' || c == '\t' || c == ',';
}

Failure refused(BoardFault reason, int string, std::string value = {})
{
    Failure failure{reason};
    failure.count = string;
    failure.setting = TuningSetting;
    failure.value = std::move(value);
    return failure;
}

// The longest note of the scale written at the start of `text` and ended there: "Si b" before
// "Si"; -1 for none.
int noteAt(std::string_view text, const Degrees &scale, std::size_t &length)
{
    int found = -1;
    length = 0;
    for (std::size_t d = 0; d < scale.notes.size(); ++d) {
        const std::string &note = scale.notes[d];
        if (note.size() <= length || text.size() < note.size() ||
            text.substr(0, note.size()) != note)
            continue;
        if (text.size() == note.size() || isSeparator(text[note.size()])) {
            found = int(d);
            length = note.size();
        }
    }
    return found;
}

} // namespace

Degrees DegreesOf(const FretTable &table)
{
    const FirstOctave octave = FirstOctaveOf(table);
    Degrees scale{{1.0}, {octave.octaveName}, 2.0, {Ratio(1, 1)}};
    for (const Fret *fret : octave.notes) {
        scale.factors.push_back(FactorOf(fret->interval));
        scale.notes.push_back(fret->note);
        scale.pitches.push_back(fret->interval);
    }
    return scale;
}

Degrees DegreesOf(const ScalaScale &scale)
{
    Degrees degrees{
        {1.0}, {}, scale.degrees.empty() ? 2.0 : scale.degrees.back().factor, {Ratio(1, 1)}};
    if (!scale.degrees.empty())
        degrees.periodPitch = scale.degrees.back().pitch;
    for (std::size_t d = 0; d + 1 < scale.degrees.size(); ++d) {
        degrees.factors.push_back(scale.degrees[d].factor);
        degrees.pitches.push_back(scale.degrees[d].pitch);
    }
    return degrees;
}

std::vector<double> DegreeFactors(const Degrees &scale, int count)
{
    const int n = int(scale.factors.size());
    std::vector<double> q(std::size_t(std::max(count, 0)));
    double periods = 1;
    for (int j = 0; j < count; ++j) {
        if (j % n == 0)
            periods = std::pow(scale.period, double(j / n));
        q[std::size_t(j)] = scale.factors[std::size_t(j % n)] * periods;
    }
    return q;
}

Currency DegreePosition(Currency length, double qd, double qdk)
{
    return length - CurrencyFromDouble(DoubleFromCurrency(length) * qd / qdk);
}

std::string DegreeNote(const Degrees &scale, int j)
{
    const std::size_t d = std::size_t(j) % scale.factors.size();
    return scale.notes.empty() ? std::to_string(d) : scale.notes[d];
}

FretTable StringTable(const FretTable &table, const Degrees &scale, int degree)
{
    if (degree == 0 || scale.factors.empty())
        return table;
    const int n = int(scale.factors.size()), frets = int(table.frets.size());
    const std::vector<double> q = DegreeFactors(scale, degree + frets + 1);
    const Interval &open = scale.pitches[std::size_t(degree)];
    FretTable shown{table.title, table.length, {}, DegreeNote(scale, degree)};
    shown.frets.reserve(table.frets.size());
    for (int k = 1; k <= frets; ++k) {
        const int j = degree + k;
        const Interval pitch = Raised(scale.pitches[std::size_t(j % n)], scale.periodPitch, j / n);
        shown.frets.push_back(
            {k, DegreeNote(scale, j),
             DegreePosition(table.length, q[std::size_t(degree)], q[std::size_t(j)]),
             Over(pitch, open)});
    }
    return shown;
}

Result<std::vector<int>> ReadTuning(std::string_view text, const Degrees &scale, int strings)
{
    const int n = int(scale.factors.size());
    std::vector<int> degrees;
    std::size_t at = 0;
    while (true) {
        while (at < text.size() && isSeparator(text[at]))
            ++at;
        if (at == text.size())
            break;
        const int string = int(degrees.size()) + 1;
        std::size_t length = 0;
        const std::string_view rest = text.substr(at);
        if (const int note = noteAt(rest, scale, length); note >= 0) {
            degrees.push_back(note);
        } else {
            length = std::find_if(rest.begin(), rest.end(), isSeparator) - rest.begin();
            const std::string word(rest.substr(0, length));
            const std::size_t sign = word[0] == '-' ? 1 : 0;
            const bool digits =
                word.size() > sign && std::all_of(word.begin() + long(sign), word.end(),
                                                  [](char c) { return c >= '0' && c <= '9'; });
            if (!digits)
                return refused(BoardFault::UnknownNote, string, word);
            const long degree = sign || word.size() > 6 ? n : std::stol(word);
            if (degree >= n) {
                Failure failure = refused(BoardFault::DegreeOutOfRange, string, word);
                failure.limit = n - 1;
                return failure;
            }
            degrees.push_back(int(degree));
        }
        at += length;
    }
    if (int(degrees.size()) != strings) {
        Failure failure = refused(BoardFault::DegreeCount, 0);
        failure.count = std::int64_t(degrees.size());
        failure.limit = strings;
        return failure;
    }
    return degrees;
}

bool StringTuning::tuned() const
{
    return std::any_of(degrees.begin(), degrees.end(), [](int d) { return d != 0; });
}

} // namespace dorvane
