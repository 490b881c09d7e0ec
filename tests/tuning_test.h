// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for the tuning window's tests: Scala files of their own, and the window opened by an
// action on the main window, looked at, then closed.
#pragma once

#include "window_test.h"

#include <QDir>
#include <QFileInfo>
#include <QTableView>
#include <QTemporaryDir>

namespace tuning_test
{

// A Scala file of the test's own.
inline QString scalaFile(const QTemporaryDir &folder, const char *name, const QByteArray &text)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("no file");
    return file.fileName();
}

inline const QByteArray meantone = "! meantone.scl\r\n!\r\nQuarter-comma meantone\r\n 3\r\n!\r\n"
                                   " 193.15686 R\xe9\r\n 696.57843 Sol\r\n 2/1 Do\r\n";

struct Seen {
    int rows = -1;
    QString title;
    QStringList firstRow;
    QStringList said;
};

// What the tuning window opened by an action on the main window shows, once `inWindow` has run
// in it; the main window's dialogs give `file` and 31 divisions, save as "saved.svg" and the
// like in `saveIn`, and note what they say.
inline Seen tuningOpenedBy(Base &window, const QString &file, const std::function<void()> &action,
                           const std::function<void(QWidget *)> &inWindow = {},
                           const QString &saveIn = {})
{
    Seen seen;
    window.setDialogs(
        {[&](QWidget *, const QString &proposed) {
             return QDir(saveIn).filePath("saved." + QFileInfo(proposed).suffix());
         },
         [&](QWidget *, const QString &, const QString &message) { seen.said << message; },
         {},
         [&](QWidget *, const QString &, const QString &, const QString &) { return file; },
         [](QWidget *, const QString &, const QString &, int, int, int) { return 31; }});
    // A timer of this call's own: when no window opens, it goes with the call.
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget *tuning = QApplication::activeModalWidget();
        if (!tuning || tuning->objectName() != "Accord")
            return; // none opened
        if (inWindow)
            inWindow(tuning);
        auto *model = tuning->findChild<QTableView *>("Tableau")->model();
        seen.rows = model->rowCount();
        seen.title = tuning->findChild<QLabel *>("Titre")->text();
        for (int column = 0; column < model->columnCount(); ++column)
            seen.firstRow << model->index(0, column).data().toString();
        tuning->close();
    });
    look.start(0);
    action();
    return seen;
}

// Runs `inWindow` in the tuning window about to open, then closes it.
inline void whenTuningWindowOpens(const std::function<void(QWidget *)> &inWindow)
{
    QTimer::singleShot(0, [inWindow] {
        QWidget *tuning = QApplication::activeModalWidget();
        if (!tuning || tuning->objectName() != "Accord")
            qFatal("no tuning window");
        inWindow(tuning);
        tuning->close();
    });
}

} // namespace tuning_test
