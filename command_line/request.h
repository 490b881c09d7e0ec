// SPDX-License-Identifier: GPL-3.0-or-later
// What a command line asks for, read from its arguments and checked before anything is done,
// and its options, declared once: the reading, the help and the messages all come from them.
#pragma once

#include "fret_template.h"
#include "scala_scale.h"
#include "systems.h"
#include "template_pages.h"

#include <QCommandLineOption>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace command_line
{

struct Request {
    enum class Action { Help, Version, Table, Export, ExportScala } action = Action::Help;
    bool details = false;                     // with Table: the tuning's columns too
    std::optional<double> frequency;          // with Table: the open string's, in hertz
    QString file;                             // with Export
    dorvane::TableChoice table;               // its length also for a scale of any tuning
    std::optional<dorvane::ScalaScale> scale; // with --scl or --edo
    int frets = 0;                            // of that scale: two periods unless given
    dorvane::TemplateSettings settings;
    template_pages::PageSettings pages{template_pages::defaultPaper()};
    QMap<QString, QString> given; // each option's value as given, by its long name: "slot"
};

// The options, with their French descriptions, in the order the help gives them.
const QList<QCommandLineOption> &options();

// A width or a correction: the point or the comma before the decimals, "0.6" or "0,6";
// refused as "--OPTION TEXT".
dorvane::Result<dorvane::Currency> numberOf(const QString &option, const QString &text);

// The table a request asks for: of one of the systems, or of a scale of any tuning.
dorvane::FretTable tableOf(const Request &request);

// Reads the arguments, without the program's name; the failure names the argument at fault.
dorvane::Result<Request> readRequest(const QStringList &arguments);

// The help, in French, made of the options' declarations.
QString helpText();

} // namespace command_line
