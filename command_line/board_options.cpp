// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_options.h"

#include <cmath>

using namespace dorvane;

namespace command_line
{

namespace
{

using O = OptionFault;
using V = ValueFault;

// An option as given: "--slot 60", or "--left-handed".
std::string asGiven(const QString &option, const QMap<QString, QString> &given)
{
    const QString value = given.value(option);
    return ("--" + option + (value.isEmpty() ? QString() : ' ' + value)).toStdString();
}

Failure refused(Reason reason, const QString &option, const QMap<QString, QString> &given)
{
    return Failure{reason, asGiven(option, given)};
}

const char *const boardOptions[] = {"bass-length", "perpendicular", "nut-span",    "bridge-span",
                                    "overhang",    "board-end",     "left-handed", "tuning"};

// The strings' degrees, in the scale of the request: the system's first octave, or the Scala
// file's or the equal divisions' period.
Done readTuning(Request &request)
{
    BoardSettings &board = request.settings.board;
    if (!request.given.contains(QStringLiteral("tuning")))
        return Succeeded();
    board.tuning.scale = request.scale ? DegreesOf(*request.scale) : DegreesOf(tableOf(request));
    const Result<std::vector<int>> degrees = ReadTuning(
        request.given[QStringLiteral("tuning")].toStdString(), board.tuning.scale, board.strings);
    if (!degrees)
        return named(degrees.failure(), request);
    board.tuning.degrees = *degrees;
    return Succeeded();
}

Done readValues(BoardSettings &board, const QMap<QString, QString> &given)
{
    const std::pair<const char *, Currency *> widths[] = {{"nut-span", &board.nutSpan},
                                                          {"bridge-span", &board.bridgeSpan},
                                                          {"overhang", &board.overhang},
                                                          {"board-end", &board.boardEnd}};
    for (const auto &[option, width] : widths) {
        if (!given.contains(QLatin1String(option)))
            continue;
        const Result<Currency> read = numberOf(QLatin1String(option), given[QLatin1String(option)]);
        if (!read)
            return read.failure();
        *width = *read;
    }
    if (given.contains(QStringLiteral("bass-length"))) {
        const Result<Currency> read = numberOf(QStringLiteral("bass-length"), given["bass-length"]);
        if (!read)
            return read.failure();
        board.bassLength = *read;
    }
    if (given.contains(QStringLiteral("perpendicular"))) {
        const Result<Currency> read =
            numberOf(QStringLiteral("perpendicular"), given["perpendicular"]);
        if (!read)
            return read.failure();
        board.perpendicular = DoubleFromCurrency(*read);
    }
    board.leftHanded = given.contains(QStringLiteral("left-handed"));
    return Succeeded();
}

} // namespace

Done readBoard(Request &request)
{
    const QMap<QString, QString> &given = request.given;
    BoardSettings &board = request.settings.board;
    if (given.contains(QStringLiteral("strings"))) {
        bool whole = false;
        board.strings = given["strings"].trimmed().toInt(&whole);
        if (!whole)
            return refused(V::NotANumber, QStringLiteral("strings"), given);
    }
    if (board.strings == 1) {
        for (const char *option : boardOptions) {
            if (given.contains(QLatin1String(option)))
                return refused(O::OnlyWithStrings, QLatin1String(option), given);
        }
        return Succeeded();
    }
    if (given.contains(QStringLiteral("width")))
        return refused(O::WidthWithStrings, QStringLiteral("width"), given);
    const int strings = board.strings;
    board = DefaultBoard(request.settings.unit);
    board.strings = strings;
    if (Done read = readValues(board, given); !read)
        return read;
    if (Done tuning = readTuning(request); !tuning)
        return tuning;
    const Done possible = CheckTemplate(tableOf(request), request.settings, tableAtOf(request));
    if (!possible)
        return named(possible.failure(), request);
    return Succeeded();
}

// A setting a template refuses, named by its option as given: "« --slot 60 » : …".
Failure named(Failure failure, const Request &request)
{
    static const QMap<std::string, QString> options = {{TableSetting, "scale"},
                                                       {LengthSetting, "length"},
                                                       {StripSetting, "width"},
                                                       {SlotSetting, "slot"},
                                                       {StringsSetting, "strings"},
                                                       {BassLengthSetting, "bass-length"},
                                                       {PerpendicularSetting, "perpendicular"},
                                                       {NutSpanSetting, "nut-span"},
                                                       {BridgeSpanSetting, "bridge-span"},
                                                       {OverhangSetting, "overhang"},
                                                       {BoardEndSetting, "board-end"},
                                                       {TuningSetting, "tuning"}};
    const QString option = failure.reason == dorvane::Reason(TemplateFault::TooManyPages)
                               ? QStringLiteral("length")
                               : options.value(failure.setting);
    failure.subject = asGiven(option, request.given);
    return failure;
}

TableAt tableAtOf(const Request &request)
{
    if (request.scale) {
        const ScalaScale *scale = &*request.scale;
        const int frets = request.frets;
        return [scale, frets](Currency length) { return TableOf(*scale, length, frets); };
    }
    const TableChoice choice = request.table;
    return [choice](Currency length) { return TableOf({choice.system, choice.mode, length}); };
}

} // namespace command_line
