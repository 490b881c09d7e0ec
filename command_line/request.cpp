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
    static const QStringList options = {"--export", "--scale", "--length", "--mode",
                                        "--unit",   "--width", "--slot",   "--paper"};
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

// The options given, by name: "--scale X" and "--scale=X" alike; flags have empty values.
QMap<QString, QString> optionsOf(const QStringList &arguments)
{
    QMap<QString, QString> options;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        QString name = arguments[k];
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

const ScaleSystem &scaleOf(const QString &name)
{
    if (const ScaleSystem *system = FindSystem(name.toStdString()))
        return *system;
    throw BadArgument(QStringLiteral("%1 : gamme inconnue ; les gammes sont %2")
                          .arg(quoted("--scale " + name), scaleNames()));
}

// A number read by the length box's rule, and only when the whole text is read.
Currency numberOf(const QString &option, const QString &text, const QString &what)
{
    const StoredLength read = LengthFromText(text.toStdString());
    if (read.state == LengthState::Valid)
        return read.value;
    const QString why = read.state == LengthState::OutOfRange
                            ? QStringLiteral("hors limites")
                            : QStringLiteral("le texte n'est lu qu'en partie");
    throw BadArgument(QStringLiteral("%1 : %2 ; %3 s'écrit en chiffres, le point « . » séparant "
                                     "les décimales, par exemple 650 ou 647.7")
                          .arg(quoted(option + ' ' + text), why, what));
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

Unit unitOf(const QString &text)
{
    for (Unit unit : {Unit::Millimetre, Unit::Centimetre, Unit::Inch}) {
        if (text == fromUtf8(InfoOf(unit).code))
            return unit;
    }
    throw BadArgument(
        QStringLiteral("%1 : les unités sont mm, cm et in").arg(quoted("--unit " + text)));
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
        for (const char *option : {"--unit", "--width", "--slot", "--paper"}) {
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
    request.table.length =
        numberOf(QStringLiteral("--length"), options["--length"], QStringLiteral("une longueur"));
    if (options.contains("--mode"))
        request.table.mode = modeOf(*request.table.system, options["--mode"]);
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
    if (const auto problem = ProblemOf(request.table, settings)) {
        static const char *const named[] = {"--scale", "--length", "--width", "--slot"};
        refuse(named[problem->field], QString::fromStdString(problem->why));
    }
    if (template_files::formatOf(request.file) == template_files::Format::Pdf) {
        const template_pages::Pages pages(MakeTemplate(request.table, settings, "."),
                                          request.paper);
        if (const QString problem = template_pages::paperProblem(pages); !problem.isEmpty())
            refuse("--length", problem + QStringLiteral(" ; un fichier SVG ou DXF n'a pas de "
                                                        "pages"));
    }
}

void readTemplate(const QMap<QString, QString> &options, Request &request)
{
    request.file = options["--export"];
    if (!template_files::formatOf(request.file))
        throw BadArgument(QStringLiteral("%1 : l'extension du fichier choisit le format, .pdf, "
                                         ".svg ou .dxf")
                              .arg(quoted("--export " + request.file)));
    TemplateSettings &settings = request.settings;
    if (options.contains("--unit"))
        settings.unit = unitOf(options["--unit"]);
    settings.stripWidth = options.contains("--width")
                              ? numberOf("--width", options["--width"], "une largeur")
                              : DefaultStripWidth(settings.unit);
    if (options.contains("--slot"))
        settings.slotWidth = numberOf("--slot", options["--slot"], "une largeur");
    if (options.contains("--paper"))
        request.paper = paperOf(options["--paper"]);
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
