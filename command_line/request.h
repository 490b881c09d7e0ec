// SPDX-License-Identifier: GPL-3.0-or-later
// What a command line asks for, read from its arguments and checked before anything is done,
// and its options, declared once: the reading, the help and the messages all come from them.
#pragma once

#include "fret_template.h"
#include "systems.h"
#include "template_pages.h"

#include <QCommandLineOption>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace command_line
{

struct Request {
    enum class Action { Help, Version, Table, Export, ExportScala } action = Action::Help;
    bool details = false; // with Table: the tuning's columns too
    QString file;         // with Export
    dorvane::TableChoice table;
    dorvane::TemplateSettings settings;
    template_pages::PageSettings pages{template_pages::defaultPaper()};
    QMap<QString, QString> given; // each option's value as given, by its long name: "slot"
};

// The options, with their French descriptions, in the order the help gives them.
const QList<QCommandLineOption> &options();

// Reads the arguments, without the program's name; the failure names the argument at fault.
dorvane::Result<Request> readRequest(const QStringList &arguments);

// The help, in French, made of the options' declarations.
QString helpText();

} // namespace command_line
