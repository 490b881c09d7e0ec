// SPDX-License-Identifier: GPL-3.0-or-later
// What a command line asks for, read from its arguments and checked before anything is done.
#pragma once

#include "fret_template.h"
#include "systems.h"
#include "template_pages.h"

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <string_view>

namespace command_line
{

struct Request {
    enum class Action { Help, Version, Table, Export } action = Action::Help;
    QString file; // with Export
    dorvane::TableChoice table;
    dorvane::TemplateSettings settings;
    template_pages::PageSettings pages{template_pages::defaultPaper()};
};

// A bad argument: the message names it and says what is accepted, in French.
struct BadArgument : std::runtime_error {
    explicit BadArgument(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// Reads the arguments, without the program's name; throws BadArgument.
Request readRequest(const QStringList &arguments);

// The help, in French.
QString helpText();

// A text of the tables, which are UTF-8: "Ré".
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace command_line
