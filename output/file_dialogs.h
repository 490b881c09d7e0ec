// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs through which the windows' commands ask for a file name, warn and ask a question,
// and the folder of the last file chosen, which every window proposes next: one object that the
// main window, its sheets and the template dialog share.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace output
{

// The dialogs of a command; the system's unless replaced (tests replace them).
struct Dialogs {
    // The proposed path's extension (.pdf, .svg, .dxf) gives the kind of file asked for; none
    // when cancelled.
    std::function<std::optional<QString>(QWidget *parent, const QString &proposedPath)>
        saveFileName;
    std::function<void(QWidget *parent, const QString &title, const QString &message)> warning;
    // A question answered by "Oui" (true) or "Non".
    std::function<bool(QWidget *parent, const QString &title, const QString &question)> question;
    // A file to open from a folder, of the kind the filter names ("Gamme Scala (*.scl)");
    // none when cancelled.
    std::function<std::optional<QString>(QWidget *parent, const QString &title,
                                         const QString &folder, const QString &filter)>
        openFileName;
    // A whole number from `least` to `most`; none when cancelled.
    std::function<std::optional<int>(QWidget *parent, const QString &title, const QString &label,
                                     int value, int least, int most)>
        number;
};

// The system's file dialog, which asks before replacing a file, and its message boxes, in
// French.
Dialogs systemDialogs();

class FileDialogs
{
public:
    FileDialogs() : shown(systemDialogs()) {}

    void replace(Dialogs replacement) { shown = std::move(replacement); }

    // Asks for the file to write, proposing the name in the folder of the last file chosen
    // during the session, at first in the user's documents folder (the home folder without
    // one). A name too long for that folder is shortened, and the user told why. None when
    // cancelled.
    std::optional<QString> askFileName(QWidget *parent, const QString &proposedName);
    void warning(QWidget *parent, const QString &title, const QString &message) const
    {
        shown.warning(parent, title, message);
    }
    bool question(QWidget *parent, const QString &title, const QString &question) const
    {
        return shown.question(parent, title, question);
    }
    // Asks for a file to open, in the folder of the last file chosen; none when cancelled.
    std::optional<QString> askOpenFileName(QWidget *parent, const QString &title,
                                           const QString &filter);
    std::optional<int> number(QWidget *parent, const QString &title, const QString &label,
                              int value, int least, int most) const
    {
        return shown.number(parent, title, label, value, least, most);
    }

private:
    Dialogs shown;
    QString lastFolder;
};

} // namespace output
