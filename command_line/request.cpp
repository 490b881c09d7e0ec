// SPDX-License-Identifier: GPL-3.0-or-later
#include "request.h"

#include "board_options.h"

#include "files.h"
#include "length_reading.h"
#include "template_files.h"
#include "tuning_rows.h"

#include <QCommandLineParser>
#include <algorithm>

using namespace dorvane;
using O = OptionFault;
using V = ValueFault;

namespace command_line
{

namespace
{

Failure refused(Reason reason, const QString &subject, const std::string &setting = {})
{
    return Failure{reason, subject.toStdString(), {}, 0, 0, setting};
}

// The option an argument names, as typed before any "=": "--scale=X" names "--scale".
QString nameIn(const QString &argument)
{
    return argument.section(QLatin1Char('='), 0, 0);
}

bool isOption(const QString &argument)
{
    return argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
}

Result<const QCommandLineOption *> declared(const QString &typed)
{
    const QString name = typed.mid(typed.startsWith(QLatin1String("--")) ? 2 : 1);
    for (const QCommandLineOption &option : options()) {
        if (option.names().contains(name))
            return &option;
    }
    return refused(O::UnknownOption, typed);
}

// What the toolkit's parser refuses, in the program's words: an unknown option, one without
// its value or a flag given one, one given twice, or a word that is no option.
Done checkArguments(const QStringList &arguments, const QCommandLineParser &p)
{
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString &argument = arguments[k];
        if (!isOption(argument))
            return refused(O::UnknownOption, argument);
        const Result<const QCommandLineOption *> option = declared(nameIn(argument));
        if (!option)
            return option.failure();
        const bool valued = !(*option)->valueName().isEmpty();
        if (!valued && argument.contains(QLatin1Char('=')))
            return refused(O::TakesNoValue, nameIn(argument));
        if (valued && !argument.contains(QLatin1Char('=')) && ++k == arguments.size())
            return refused(O::MissingValue, argument);
    }
    for (const QCommandLineOption &option : options()) {
        const qsizetype given = option.valueName().isEmpty()
                                    ? arguments.count(QStringLiteral("--") + option.names().last())
                                    : p.values(option).size();
        if (given > 1)
            return refused(O::GivenTwice, QStringLiteral("--") + option.names().last());
    }
    return Succeeded();
}

// A list entry's text, in any case: "zarlino chromatique" is "Zarlino Chromatique".
Result<const ScaleSystem *> scaleOf(const QString &name)
{
    for (const ScaleSystem &system : scales::Systems) {
        if (name.compare(QString::fromUtf8(system.name), Qt::CaseInsensitive) == 0)
            return &system;
    }
    return refused(V::UnknownScale, QStringLiteral("--scale ") + name);
}

// The length, read by the length box's rule, and only when the whole text is read.
Result<Currency> lengthOf(const QString &text)
{
    const StoredLength read = LengthFromText(text.toStdString());
    if (read.state == LengthState::Valid)
        return read.value;
    return refused(read.state == LengthState::OutOfRange ? V::LengthTooLarge : V::LengthNotRead,
                   QStringLiteral("--length ") + text);
}

Result<int> modeOf(const ScaleSystem &system, const QString &text)
{
    if (!system.hasModes)
        return refused(V::ModeWithoutModes, QStringLiteral("--mode"));
    for (int mode = 0; mode < scales::ModeCount; ++mode) {
        if (text == QString::number(mode) ||
            text.compare(QString::fromUtf8(scales::Modes[mode].name), Qt::CaseInsensitive) == 0)
            return mode;
    }
    return refused(V::UnknownMode, QStringLiteral("--mode ") + text);
}

// "mm", "cm", "in", and for inches also "po" and "pouces", as the program writes them; in any
// case.
Result<Unit> unitOf(const QString &text)
{
    for (Unit unit : {Unit::Millimetre, Unit::Centimetre, Unit::Inch}) {
        if (text.compare(QString::fromUtf8(InfoOf(unit).code), Qt::CaseInsensitive) == 0 ||
            text.compare(QString::fromUtf8(InfoOf(unit).shown), Qt::CaseInsensitive) == 0)
            return unit;
    }
    if (text.compare(QLatin1String("pouces"), Qt::CaseInsensitive) == 0)
        return Unit::Inch;
    return refused(V::UnknownUnit, QStringLiteral("--unit ") + text);
}

Result<template_pages::Paper> paperOf(const QString &text)
{
    if (text.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return template_pages::Paper::A4;
    if (text.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        return template_pages::Paper::Letter;
    return refused(V::UnknownPaper, QStringLiteral("--paper ") + text);
}

// What the 100 mm ruler measured on the printer that will print the PDF: from 90 to 110.
Result<Currency> rulerOf(const QString &text)
{
    using template_pages::PageSettings;
    const Result<Currency> ruler = numberOf(QStringLiteral("correction"), text);
    if (ruler && (*ruler < PageSettings::LeastRuler || *ruler > PageSettings::MostRuler))
        return refused(V::RulerOutOfRange, QStringLiteral("--correction ") + text);
    return ruler;
}

// The open string's frequency, from 1 to 20000 Hz, with a point or a comma: "261,63".
Result<double> frequencyOf(const QString &text)
{
    const StoredLength read = DecimalFromText(text.toStdString());
    const double hertz = DoubleFromCurrency(read.value);
    if (read.state != LengthState::Valid || hertz < LeastFrequency || hertz > MostFrequency)
        return refused(V::FrequencyOutOfRange, QStringLiteral("--frequency ") + text);
    return hertz;
}

// A scale of any tuning: a Scala file read whole, or equal divisions of the octave, and its
// number of frets.
Done readScala(Request &request)
{
    const QMap<QString, QString> &given = request.given;
    if (given.contains(QStringLiteral("mode")))
        return refused(V::ModeWithoutModes, QStringLiteral("--mode"));
    if (given.contains(QStringLiteral("scl"))) {
        Result<ScalaScale> read = files::readScalaFile(given["scl"]);
        if (!read)
            return read.failure();
        request.scale = std::move(*read);
    } else {
        bool whole = false;
        const int divisions = given["edo"].toInt(&whole);
        Result<ScalaScale> divided = EqualDivisions(whole ? divisions : 0);
        if (!divided) {
            Failure why = divided.failure();
            why.subject = ("--edo " + given["edo"]).toStdString();
            return why;
        }
        request.scale = std::move(*divided);
    }
    if (given.contains(QStringLiteral("frets"))) {
        bool whole = false;
        request.frets = given["frets"].toInt(&whole);
        if (!whole || request.frets < 1 || request.frets > MostFrets) {
            Failure why = refused(V::FretsOutOfRange, QStringLiteral("--frets ") + given["frets"]);
            why.limit = MostFrets;
            return why;
        }
    }
    return Succeeded();
}

// The scale, its mode and the length, for --table and --export alike; a table refuses the
// lengths that a template refuses, in the same words. A Scala file needs no length.
Done readTable(Request &request)
{
    const QMap<QString, QString> &given = request.given;
    const bool scala = request.action == Request::Action::ExportScala;
    const int scales = int(given.contains(QStringLiteral("scale"))) +
                       int(given.contains(QStringLiteral("scl"))) +
                       int(given.contains(QStringLiteral("edo")));
    if (scales == 0)
        return refused(O::MissingScale, QStringLiteral("--scale"));
    if (scales > 1)
        return refused(O::ScaleOrScala, {});
    if (!scala && !given.contains(QStringLiteral("length")))
        return refused(O::MissingLength, QStringLiteral("--length"));
    if (given.contains(QStringLiteral("length"))) {
        const Result<Currency> length = lengthOf(given["length"]);
        if (!length)
            return length.failure();
        request.table.length = *length;
    }
    if (!given.contains(QStringLiteral("scale"))) {
        if (Done read = readScala(request); !read)
            return read;
    } else {
        if (given.contains(QStringLiteral("frets")))
            return refused(O::FretsOnlyForScala, QStringLiteral("--frets"));
        const Result<const ScaleSystem *> system = scaleOf(given["scale"]);
        if (!system)
            return system.failure();
        request.table.system = *system;
        if (given.contains(QStringLiteral("mode"))) {
            const Result<int> mode = modeOf(**system, given["mode"]);
            if (!mode)
                return mode.failure();
            request.table.mode = *mode;
        }
    }
    // A table takes every length the window takes; a template has its limits.
    if (scala || (request.action == Request::Action::Table && request.table.length > Currency()))
        return Succeeded();
    if (Done possible = CheckTemplate(tableOf(request), TemplateSettings()); !possible) {
        Failure why = possible.failure();
        why.subject = ("--length " + given["length"]).toStdString();
        return why;
    }
    return Succeeded();
}

// The file and the settings of a template; an option that does not apply to the file's format
// is refused.
Done readTemplate(Request &request)
{
    const QMap<QString, QString> &given = request.given;
    request.file = given["export"];
    const auto format = template_files::formatOf(request.file);
    if (!format)
        return refused(V::UnknownFormat, QStringLiteral("--export ") + request.file);
    for (const char *option : {"paper", "correction"}) {
        if (*format != template_files::Format::Pdf && given.contains(QLatin1String(option)))
            return refused(O::OnlyWithPdf, QStringLiteral("--") + QLatin1String(option),
                           template_files::suffixOf(*format).toStdString());
    }
    TemplateSettings &settings = request.settings;
    if (given.contains(QStringLiteral("unit"))) {
        const Result<Unit> unit = unitOf(given["unit"]);
        if (!unit)
            return unit.failure();
        settings.unit = *unit;
    }
    settings.stripWidth = DefaultStripWidth(settings.unit);
    for (auto [option, width] :
         {std::pair{"width", &settings.stripWidth}, std::pair{"slot", &settings.slotWidth}}) {
        if (!given.contains(QLatin1String(option)))
            continue;
        const Result<Currency> read = numberOf(QLatin1String(option), given[option]);
        if (!read)
            return read.failure();
        *width = *read;
    }
    if (given.contains(QStringLiteral("paper"))) {
        const Result<template_pages::Paper> paper = paperOf(given["paper"]);
        if (!paper)
            return paper.failure();
        request.pages.paper = *paper;
    }
    if (given.contains(QStringLiteral("correction"))) {
        const Result<Currency> ruler = rulerOf(given["correction"]);
        if (!ruler)
            return ruler.failure();
        request.pages.ruler = *ruler;
    }
    return Succeeded();
}

// What --table or --export asks for, and the rest of the request for it.
Result<Request> readAction(Request request)
{
    const QMap<QString, QString> &given = request.given;
    if (given.contains(QStringLiteral("help")))
        return request;
    if (given.contains(QStringLiteral("version"))) {
        request.action = Request::Action::Version;
        return request;
    }
    const bool table = given.contains(QStringLiteral("table"));
    if (table == given.contains(QStringLiteral("export")))
        return refused(O::TableOrExport, {});
    const bool scala =
        !table && given["export"].endsWith(QLatin1String(".scl"), Qt::CaseInsensitive);
    for (const char *option : {"unit", "width", "slot", "paper", "correction"}) {
        if (given.contains(QLatin1String(option)) && (table || scala))
            return refused(table ? O::OnlyWithExport : O::NotForScala,
                           QStringLiteral("--") + QLatin1String(option));
    }
    // A Scala file holds one period of pitches: no length, no number of frets.
    for (const char *option :
         {"length", "frets", "strings", "bass-length", "perpendicular", "nut-span", "bridge-span",
          "overhang", "board-end", "left-handed", "tuning"}) {
        if (given.contains(QLatin1String(option)) && scala)
            return refused(O::NotForScala, QStringLiteral("--") + QLatin1String(option));
    }
    for (const char *option : {"details", "frequency"}) {
        if (!table && given.contains(QLatin1String(option)))
            return refused(O::OnlyWithTable, QStringLiteral("--") + QLatin1String(option));
    }
    request.details = given.contains(QStringLiteral("details"));
    if (given.contains(QStringLiteral("frequency"))) {
        const Result<double> frequency = frequencyOf(given["frequency"]);
        if (!frequency)
            return frequency.failure();
        request.frequency = *frequency;
    }
    request.action = table   ? Request::Action::Table
                     : scala ? Request::Action::ExportScala
                             : Request::Action::Export;
    request.file = given["export"];
    if (Done read = readTable(request); !read)
        return read.failure();
    if (request.action == Request::Action::Export) {
        if (Done read = readTemplate(request); !read)
            return read.failure();
    }
    if (request.action != Request::Action::ExportScala) {
        if (Done read = readBoard(request); !read)
            return read.failure();
    }
    return request;
}

} // namespace

// A width or a correction: the point or the comma before the decimals, "0.6" or "0,6".
Result<Currency> numberOf(const QString &option, const QString &text)
{
    const StoredLength read = DecimalFromText(text.toStdString());
    if (read.state == LengthState::Valid)
        return read.value;
    return refused(read.state == LengthState::OutOfRange ? V::NumberTooLarge : V::NotANumber,
                   QStringLiteral("--%1 %2").arg(option, text));
}

FretTable tableOf(const Request &request)
{
    if (request.scale)
        return TableOf(*request.scale, request.table.length, request.frets);
    return TableOf(request.table);
}

// Reads what each option gives into the request: the scale first, then the length and the
// mode, then the template's settings; the first refusal ends the reading. Words that are all
// no options are files to open in the window, of which only one Scala file can be.
Result<Request> readRequest(const QStringList &arguments)
{
    if (!arguments.isEmpty() && std::none_of(arguments.begin(), arguments.end(), isOption)) {
        QStringList quoted;
        for (const QString &file : arguments)
            quoted << QStringLiteral("« %1 »").arg(file);
        if (arguments.size() == 1)
            return refused(O::FileNotScala, arguments.first());
        Failure many = refused(O::OneFileOnly, quoted.join(QStringLiteral(", ")));
        many.count = arguments.size();
        return many;
    }
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options());
    parser.parse(QStringList{QStringLiteral("dorvane")} + arguments);
    if (const Done taken = checkArguments(arguments, parser); !taken)
        return taken.failure();
    Request request;
    for (const QCommandLineOption &option : options()) {
        if (parser.isSet(option))
            request.given.insert(option.names().last(), parser.value(option));
    }
    return readAction(request);
}

} // namespace command_line
