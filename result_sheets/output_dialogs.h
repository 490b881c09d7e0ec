// SPDX-License-Identifier: GPL-3.0-or-later
// What the commands that leave the screen share: the dialogs that ask for a file name and tell
// of a failure, the folder a file is proposed in, and the printing module, loaded on first use.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace sheet_output
{

// The dialogs of a command; the system's unless replaced (tests replace them).
struct Dialogs {
    // The proposed path's extension (.pdf, .svg, .dxf) gives the kind of file asked for.
    std::function<QString(QWidget *parent, const QString &proposedPath)> saveFileName;
    std::function<void(QWidget *parent, const QString &title, const QString &message)> warning;
};

// The system's file dialog, which asks before replacing a file, and its message box, in French.
Dialogs systemDialogs();

// Where a file is proposed: the user's documents folder, or the home folder without one.
QString documentsFolder();

// An entry point of the printing module, which is loaded on the first request and kept: beside
// the program in its build folder, in its own folder once installed. Null when the module or
// the entry cannot be had; `failure` then says so in the user's words, and the loader's
// explanation, with its paths, goes to the log.
void *printingEntry(const char *entryPoint, QString *failure);

} // namespace sheet_output
