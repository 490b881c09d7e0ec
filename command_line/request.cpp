// SPDX-License-Identifier: GPL-3.0-or-later
#include "request.h"

#include "length_reading.h"
#include "template_files.h"

#include <QMap>

using namespace dorvane;

namespace command_line
{

namespace
{

// Made when the command line runs, not at every start of the program.
const QStringList &valued()
{
    static const QStringList options = {"--export", "--scale", "--length", "--mode",      "--unit",
                                        "--width",  "--slot",  "--paper",  "--correction"};
    return options;
}

const QStringList &flags()
{
    static const QStringList options = {"--table", "--help", "--version"};
    return options;
}

QString quoted(const QString &text)
{
    return QStringLiteral("« %1 »").arg(text);
}

QString scaleNames()
{
    QStringList names;
    for (const ScaleSystem &system : scales::Systems)
        names << quoted(fromUtf8(system.name));
    return names.join(QStringLiteral(", "));
}

// The options given, by name: "--scale X" and "--scale=X" alike, "-h" as "--help" and "-v" as
// "--version"; flags have empty values.
QMap<QString, QString> optionsOf(const QStringList &arguments)
{
    QMap<QString, QString> options;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        QString name = arguments[k];
        if (name == QLatin1String("-h"))
            name = QStringLiteral("--help");
        else if (name == QLatin1String("-v"))
            name = QStringLiteral("--version");
        QString value;
        const bool joined = name.startsWith(QLatin1String("--")) && name.contains('=');
        if (joined) {
            value = name.section('=', 1);
            name = name.section('=', 0, 0);
        }
        if (!valued().contains(name) && !flags().contains(name))
            throw BadArgument(
                QStringLiteral("%1 : option inconnue ; « dorvane --help » donne les options")
                    .arg(quoted(name)));
        if (options.contains(name))
            throw BadArgument(QStringLiteral("%1 est donnée deux fois").arg(quoted(name)));
        if (valued().contains(name) && !joined) {
            if (k + 1 == arguments.size())
                throw BadArgument(QStringLiteral("%1 demande une valeur").arg(quoted(name)));
            value = arguments[++k];
        } else if (flags().contains(name) && joined) {
            throw BadArgument(QStringLiteral("%1 ne prend pas de valeur").arg(quoted(name)));
        }
        options.insert(name, value);
    }
    return options;
}

// A list entry's text, in any case: "zarlino chromatique" is "Zarlino Chromatique".
const ScaleSystem &scaleOf(const QString &name)
{
    for (const ScaleSystem &system : scales::Systems) {
        if (name.compare(fromUtf8(system.name), Qt::CaseInsensitive) == 0)
            return system;
    }
    throw BadArgument(QStringLiteral("%1 : gamme inconnue ; les gammes sont %2")
                          .arg(quoted("--scale " + name), scaleNames()));
}

// The length, read by the length box's rule, and only when the whole text is read.
Currency lengthOf(const QString &text)
{
    const StoredLength read = LengthFromText(text.toStdString());
    if (read.state == LengthState::Valid)
        return read.value;
    const QString why = read.state == LengthState::OutOfRange
                            ? QStringLiteral("hors limites")
                            : QStringLiteral("le texte n'est lu qu'en partie");
    throw BadArgument(QStringLiteral("%1 : %2 ; une longueur s'écrit en chiffres, le point « . » "
                                     "séparant les décimales, par exemple 650 ou 647.7")
                          .arg(quoted("--length " + text), why));
}

// A width or a correction: the point or the comma before the decimals, "0.6" or "0,6".
Currency numberOf(const QString &option, const QString &text)
{
    const StoredLength read = DecimalFromText(text.toStdString());
    if (read.state == LengthState::Valid)
        return read.value;
    const QString why = read.state == LengthState::OutOfRange ? QStringLiteral("hors limites")
                                                              : QStringLiteral("pas un nombre");
    throw BadArgument(QStringLiteral("%1 : %2 ; un nombre s'écrit en chiffres, par exemple 0.6 "
                                     "ou 0,6")
                          .arg(quoted(option + ' ' + text), why));
}

int modeOf(const ScaleSystem &system, const QString &text)
{
    if (!system.hasModes) {
        QStringList withModes;
        for (const ScaleSystem &s : scales::Systems) {
            if (s.hasModes)
                withModes << quoted(fromUtf8(s.name));
        }
        throw BadArgument(QStringLiteral("%1 ne s'emploie qu'avec la gamme %2")
                              .arg(quoted(QStringLiteral("--mode")), withModes.join(", ")));
    }
    QStringList notes;
    for (int mode = 0; mode < scales::ModeCount; ++mode) {
        const QString note = fromUtf8(scales::Modes[mode].name);
        if (text == QString::number(mode) || text.compare(note, Qt::CaseInsensitive) == 0)
            return mode;
        notes << note;
    }
    throw BadArgument(QStringLiteral("%1 : un mode est un nombre de 0 à 6 ou sa note : %2")
                          .arg(quoted("--mode " + text), notes.join(QStringLiteral(", "))));
}

// "mm", "cm", "in", and for inches also "po" and "pouces", as the program writes them; in any
// case.
Unit unitOf(const QString &text)
{
    for (Unit unit : {Unit::Millimetre, Unit::Centimetre, Unit::Inch}) {
        if (text.compare(fromUtf8(InfoOf(unit).code), Qt::CaseInsensitive) == 0 ||
            text.compare(fromUtf8(InfoOf(unit).shown), Qt::CaseInsensitive) == 0)
            return unit;
    }
    if (text.compare(QLatin1String("pouces"), Qt::CaseInsensitive) == 0)
        return Unit::Inch;
    throw BadArgument(QStringLiteral("%1 : les unités sont mm, cm et in (ou po, pouces)")
                          .arg(quoted("--unit " + text)));
}

template_pages::Paper paperOf(const QString &text)
{
    if (text.compare(QLatin1String("A4"), Qt::CaseInsensitive) == 0)
        return template_pages::Paper::A4;
    if (text.compare(QLatin1String("Letter"), Qt::CaseInsensitive) == 0)
        return template_pages::Paper::Letter;
    throw BadArgument(
        QStringLiteral("%1 : les papiers sont A4 et Letter").arg(quoted("--paper " + text)));
}

// What --table or --export asks for: the action, and the options each takes.
Request::Action actionOf(const QMap<QString, QString> &options)
{
    if (options.contains("--help"))
        return Request::Action::Help;
    if (options.contains("--version"))
        return Request::Action::Version;
    if (options.contains("--table") == options.contains("--export"))
        throw BadArgument(QStringLiteral("il faut soit --table, soit --export FICHIER ; "
                                         "« dorvane --help » donne les options"));
    if (options.contains("--table")) {
        for (const char *option : {"--unit", "--width", "--slot", "--paper", "--correction"}) {
            if (options.contains(option))
                throw BadArgument(
                    QStringLiteral("%1 ne s'emploie qu'avec --export").arg(quoted(option)));
        }
        return Request::Action::Table;
    }
    return Request::Action::Export;
}

void readTable(const QMap<QString, QString> &options, Request &request)
{
    if (!options.contains("--scale"))
        throw BadArgument(QStringLiteral("%1 manque : la gamme, parmi %2")
                              .arg(quoted(QStringLiteral("--scale")), scaleNames()));
    if (!options.contains("--length"))
        throw BadArgument(QStringLiteral("%1 manque : la longueur vibrante, par exemple 650")
                              .arg(quoted(QStringLiteral("--length"))));
    request.table.system = &scaleOf(options["--scale"]);
    request.table.length = lengthOf(options["--length"]);
    if (options.contains("--mode"))
        request.table.mode = modeOf(*request.table.system, options["--mode"]);
    // A table refuses the lengths that a template refuses, in the same words.
    if (const auto problem = ProblemOf(TableOf(request.table), TemplateSettings()))
        throw BadArgument(QStringLiteral("%1 : %2").arg(
            quoted("--length " + options["--length"]), template_files::problemText(*problem, ".")));
}

// Each setting that the template cannot take, named with its option.
void checkTemplate(const QMap<QString, QString> &options, const Request &request)
{
    const TemplateSettings &settings = request.settings;
    const auto refuse = [&](const char *option, const QString &why) {
        const QString given = options.value(option);
        throw BadArgument(QStringLiteral("%1 : %2").arg(
            quoted(QString::fromLatin1(option) + (given.isEmpty() ? QString() : ' ' + given)),
            why));
    };
    if (const auto problem = ProblemOf(TableOf(request.table), settings)) {
        static const char *const named[] = {"--scale", "--length", "--width", "--slot"};
        refuse(named[problem->field], template_files::problemText(*problem, "."));
    }
    if (template_files::formatOf(request.file) == template_files::Format::Pdf) {
        const template_pages::Pages pages(MakeTemplate(TableOf(request.table), settings, "."),
                                          request.pages);
        if (const QString problem = template_pages::paperProblem(pages); !problem.isEmpty())
            refuse("--length", problem + QStringLiteral(" ; un fichier SVG ou DXF n'a pas de "
                                                        "pages"));
    }
}

// What the 100 mm ruler measured on the printer that will print the PDF: from 90 to 110.
Currency rulerOf(const QString &text)
{
    using template_pages::PageSettings;
    const Currency ruler = numberOf(QStringLiteral("--correction"), text);
    if (ruler < PageSettings::LeastRuler || ruler > PageSettings::MostRuler)
        throw BadArgument(QStringLiteral("%1 : le pourcentage auquel l'imprimante imprime, ce "
                                         "que mesure sa règle de 100 mm, va de 90 à 110")
                              .arg(quoted("--correction " + text)));
    return ruler;
}

void readTemplate(const QMap<QString, QString> &options, Request &request)
{
    request.file = options["--export"];
    const auto format = template_files::formatOf(request.file);
    if (!format)
        throw BadArgument(QStringLiteral("%1 : l'extension du fichier choisit le format, .pdf, "
                                         ".svg ou .dxf")
                              .arg(quoted("--export " + request.file)));
    if (*format != template_files::Format::Pdf) {
        for (const char *option : {"--paper", "--correction"}) {
            if (options.contains(option))
                throw BadArgument(QStringLiteral("%1 ne s'emploie qu'avec un fichier .pdf : un "
                                                 "fichier .%2 n'a pas de pages")
                                      .arg(quoted(option), template_files::suffixOf(*format)));
        }
    }
    TemplateSettings &settings = request.settings;
    if (options.contains("--unit"))
        settings.unit = unitOf(options["--unit"]);
    settings.stripWidth = options.contains("--width") ? numberOf("--width", options["--width"])
                                                      : DefaultStripWidth(settings.unit);
    if (options.contains("--slot"))
        settings.slotWidth = numberOf("--slot", options["--slot"]);
    if (options.contains("--paper"))
        request.pages.paper = paperOf(options["--paper"]);
    if (options.contains("--correction"))
        request.pages.ruler = rulerOf(options["--correction"]);
    checkTemplate(options, request);
}

} // namespace

Request readRequest(const QStringList &arguments)
{
    const QMap<QString, QString> options = optionsOf(arguments);
    Request request;
    request.action = actionOf(options);
    if (request.action == Request::Action::Help || request.action == Request::Action::Version)
        return request;
    readTable(options, request);
    if (request.action == Request::Action::Export)
        readTemplate(options, request);
    return request;
}

} // namespace command_line
