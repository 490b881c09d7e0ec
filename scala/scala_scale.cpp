// SPDX-License-Identifier: GPL-3.0-or-later
#include "scala_scale.h"

#include "decimal_text.h"
#include "deviation.h"
#include "file_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <optional>

namespace dorvane
{

namespace
{

using R = ScalaFault;

// 2^53: a whole number up to it is exact as a double.
constexpr std::uint64_t Exact = std::uint64_t{1} << 53;

Failure refused(R reason, int line, std::string_view text = {}, std::int64_t limit = 0)
{
    Failure failure{reason, VisibleText(text)};
    failure.count = line;
    failure.limit = limit;
    return failure;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole number of the file, below 2^53.
Result<std::uint64_t> wholeOf(std::string_view digits, int line, std::string_view token)
{
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return refused(digits.starts_with('-') ? R::NotPositive : R::NotANumber, line, token);
    std::uint64_t value = 0;
    const auto read = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (read.ec != std::errc() || value >= Exact)
        return refused(R::TooPrecise, line, token);
    return value;
}

// The value at the start of a pitch line: cents with a ".", otherwise "a/b" or "a".
Result<Interval> pitchOf(std::string_view token, int line)
{
    Interval pitch;
    if (token.find('.') != std::string_view::npos) {
        pitch = Measured(0);
        const char *first = token.data() + (token.starts_with('+') ? 1 : 0);
        const auto read = std::from_chars(first, token.data() + token.size(), pitch.cents);
        if (read.ec != std::errc() || read.ptr != token.data() + token.size())
            return refused(R::NotANumber, line, token);
        // 2^(c / 1200) is finite exactly while c / 1200 stays below 1024: 1228800 is not.
        if (!std::isfinite(pitch.cents) || !(pitch.cents / 1200.0 < 1024.0))
            return refused(R::TooPrecise, line, token);
        return pitch;
    }
    const std::size_t slash = token.find('/');
    const auto numerator = wholeOf(token.substr(0, slash), line, token);
    if (!numerator)
        return numerator.failure();
    pitch.numerator = *numerator;
    if (slash != std::string_view::npos) {
        const auto denominator = wholeOf(token.substr(slash + 1), line, token);
        if (!denominator)
            return denominator.failure();
        pitch.denominator = *denominator;
    }
    if (pitch.numerator == 0 || pitch.denominator == 0)
        return refused(R::NotPositive, line, token);
    return pitch;
}

struct Read {
    ScalaDegree degree;
    int line;
};

// The degrees in ascending pitch, the period last, by their places in the file: each above the
// unison and none above the period, no two at one pitch, by the factors worked out as they
// were read: a degree in cents or in steps costs a power.
Result<std::vector<std::size_t>> orderOf(const std::vector<Read> &read)
{
    std::vector<std::pair<double, std::size_t>> pitches;
    pitches.reserve(read.size());
    const double period = read.back().degree.factor;
    for (std::size_t k = 0; k < read.size(); ++k) {
        const double value = read[k].degree.factor;
        if (!(value > 1.0))
            return refused(R::AtUnison, read[k].line, read[k].degree.text);
        if (value > period)
            return refused(R::AbovePeriod, read[k].line, read[k].degree.text);
        pitches.push_back({value, k});
    }
    std::stable_sort(pitches.begin(), pitches.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    std::vector<std::size_t> order;
    order.reserve(read.size());
    for (std::size_t k = 0; k < pitches.size(); ++k) {
        if (k > 0 && pitches[k].first == pitches[k - 1].first) {
            const Read &again = read[pitches[k].second];
            const auto [first, second] = std::minmax(read[pitches[k - 1].second].line, again.line);
            return refused(R::SamePitch, second, again.degree.text, first);
        }
        order.push_back(pitches[k].second);
    }
    return order;
}

// The file's lines, numbered from 1, CR LF ended as LF.
class Lines
{
public:
    explicit Lines(std::string_view text) : text(text) {}
    // The next line that is no comment; false at the end of the file.
    bool next(std::string_view &line)
    {
        std::string_view comment;
        while (position < text.size()) {
            const std::size_t end = std::min(text.find('\n', position), text.size());
            line = text.substr(position, end - position);
            position = end + 1;
            ++number;
            if (!line.starts_with('!')) {
                commentAbove = comment;
                return true;
            }
            comment = line.substr(1);
        }
        return false;
    }
    int line() const { return number; }
    // The text of the comment line just above the line given last, if it had one.
    std::string_view above() const { return commentAbove; }

private:
    std::string_view text;
    std::size_t position = 0;
    int number = 0;
    std::string_view commentAbove;
};

// A text of a comment, as the program writes its names and titles there: made safe, its
// \uXXXX read, and made safe again.
std::string commentText(std::string_view comment, bool utf8)
{
    return SafeText(Unescaped(SafeText(trimmed(comment), utf8)), true);
}

// What follows a pitch's value: its name, up to a "!" that begins a comment.
std::string_view nameAfter(std::string_view rest)
{
    for (std::size_t k = 0; k < rest.size(); ++k) {
        if (rest[k] == '!' && (k == 0 || rest[k - 1] == ' ' || rest[k - 1] == '\t'))
            return trimmed(rest.substr(0, k));
    }
    return rest;
}

// The number of notes, a whole number from 1 to 10000, from the line after the description.
Result<int> countOf(Lines &lines)
{
    std::string_view line;
    if (!lines.next(line) || !lines.next(line))
        return refused(R::NoCount, lines.line() + 1);
    const std::string_view text = trimmed(line);
    const std::string_view token = text.substr(0, text.find_first_of(" \t"));
    int count = 0;
    const auto read = std::from_chars(token.data(), token.data() + token.size(), count);
    if (token.empty() || read.ec == std::errc::invalid_argument ||
        read.ptr != token.data() + token.size() || count < 0)
        return refused(R::BadCount, lines.line(), token);
    if (read.ec != std::errc() || count > MostScalaDegrees)
        return refused(R::TooManyDegrees, lines.line(), token, MostScalaDegrees);
    if (count == 0)
        return refused(R::NoDegree, lines.line());
    return count;
}

// The pitch lines, as many as announced; blank lines are no pitches.
Result<std::vector<Read>> pitchesOf(Lines &lines, int count, bool utf8)
{
    std::vector<Read> read;
    read.reserve(std::size_t(count));
    std::string_view line;
    while (lines.next(line)) {
        const std::string_view text = trimmed(line);
        if (text.empty())
            continue;
        if (int(read.size()) == count)
            return refused(R::MorePitches, lines.line(), text, count);
        const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
        const Result<Interval> pitch = pitchOf(text.substr(0, end), lines.line());
        if (!pitch)
            return pitch.failure();
        std::string name = SafeText(nameAfter(trimmed(text.substr(end))), utf8);
        if (name.empty())
            name = commentText(lines.above(), utf8);
        read.push_back(
            {{*pitch, std::move(name), SafeText(text.substr(0, end), utf8), FactorOf(*pitch)},
             lines.line()});
    }
    if (int(read.size()) < count)
        return refused(R::FewerPitches, lines.line() + 1, {}, count);
    return read;
}

} // namespace

Result<ScalaScale> ReadScala(std::string_view bytes)
{
    if (bytes.size() > MostScalaBytes)
        return refused(R::TooLarge, 0, {}, std::int64_t(MostScalaBytes));
    const bool utf8 = IsUtf8(bytes);
    Lines lines(bytes);
    std::string_view description;
    Lines ahead = lines;
    if (!ahead.next(description))
        return refused(R::NoCount, ahead.line() + 1);
    const Result<int> count = countOf(lines);
    if (!count)
        return count.failure();
    Result<std::vector<Read>> read = pitchesOf(lines, *count, utf8);
    if (!read)
        return read.failure();
    const Result<std::vector<std::size_t>> order = orderOf(*read);
    if (!order)
        return order.failure();
    ScalaScale scale;
    scale.description = SafeText(trimmed(description), utf8);
    if (std::string full = commentText(ahead.above(), utf8);
        !full.empty() && Ascii(full) == scale.description)
        scale.description = std::move(full);
    scale.degrees.reserve(read->size());
    for (const std::size_t k : *order)
        scale.degrees.push_back(std::move((*read)[k].degree));
    scale.source = std::string(bytes);
    return scale;
}

Result<ScalaScale> EqualDivisions(int divisions)
{
    if (divisions < 1 || divisions > MostDivisions)
        return refused(R::DivisionsOutOfRange, 0, std::to_string(divisions), MostDivisions);
    ScalaScale scale;
    scale.description = std::to_string(divisions) + " divisions égales de l'octave";
    for (int step = 1; step <= divisions; ++step) {
        // Twelve are the tempered notes, named as their table names them.
        std::string name = divisions == 12 ? std::string(TemperedNote(step % 12)) : std::string();
        const Interval pitch = Steps(step, divisions);
        scale.degrees.push_back({pitch, std::move(name),
                                 std::to_string(step) + "\\" + std::to_string(divisions),
                                 FactorOf(pitch)});
    }
    return scale;
}

FretTable TableOf(const ScalaScale &scale, Currency length, int frets)
{
    FretTable table;
    table.title = scale.description.empty() ? "Gamme Scala" : scale.description;
    table.length = length;
    const int n = int(scale.degrees.size());
    if (n == 0)
        return table;
    const int count = std::clamp(frets > 0 ? frets : 2 * n, 1, MostFrets);
    const Interval &period = scale.degrees.back().pitch;
    const double qP = scale.degrees.back().factor;
    const double l = DoubleFromCurrency(length);
    table.frets.reserve(std::size_t(count));
    double periods = 1.0; // qP^o, computed once a period
    for (int i = 0; i < count; ++i) {
        const ScalaDegree &degree = scale.degrees[std::size_t(i % n)];
        const int o = i / n;
        if (i % n == 0 && o > 0)
            periods = std::pow(qP, double(o));
        const double q = degree.factor * periods;
        table.frets.push_back({i + 1, degree.label(), length - CurrencyFromDouble(l / q),
                               Raised(degree.pitch, period, o)});
    }
    return table;
}

} // namespace dorvane
