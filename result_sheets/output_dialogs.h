// SPDX-License-Identifier: GPL-3.0-or-later
// What the commands that leave the screen share: the dialogs that ask for a file name and tell
// of a failure, the folder and name a file is proposed with, and the printing module, loaded on
// first use.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace sheet_output
{

// The dialogs of a command; the system's unless replaced (tests replace them).
struct Dialogs {
    // The proposed path's extension (.pdf, .svg, .dxf) gives the kind of file asked for.
    std::function<QString(QWidget *parent, const QString &proposedPath)> saveFileName;
    std::function<void(QWidget *parent, const QString &title, const QString &message)> warning;
    // A question answered by "Oui" (true) or "Non".
    std::function<bool(QWidget *parent, const QString &title, const QString &question)> question;
};

// The system's file dialog, which asks before replacing a file, and its message box, in French.
Dialogs systemDialogs();

// Asks for the file to write, proposing the name in the folder of the last file chosen during
// the session, at first in the user's documents folder (the home folder without one). A name
// too long for that folder is shortened, and the user told why. Empty when cancelled.
QString askFileName(const Dialogs &dialogs, QWidget *parent, const QString &proposedName);

// Where the printing module of a program in this folder is looked for, in order: beside it, as
// in the build folder, then in its own folder once installed ("/usr/bin" gives
// "/usr/lib/x86_64-linux-gnu/dorvane/libdorvane-printing.so" on Debian).
QStringList printingModulePaths(const QString &programFolder);

// An entry point of the printing module, which is loaded on the first request and kept: beside
// the program in its build folder, in its own folder once installed. Null when the module or
// the entry cannot be had; `failure` then says so in the user's words, and the loader's
// explanation, with its paths, goes to the log.
void *printingEntry(const char *entryPoint, QString *failure);

} // namespace sheet_output
