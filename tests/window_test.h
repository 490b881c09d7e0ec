// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for driving the main window through its real widgets, offscreen.
#pragma once

#include "base.h"
#include "design.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <clocale>
#include <functional>

namespace window_test
{

// The application made ready as the program makes it; the stored preferences are this test
// process's own, in a folder removed when it ends: never the user's, nor those of the same test
// run at once under another locale. The locale the test is run under must be
// the C library's too: the toolkit takes its separator from the environment alone, so a French
// locale missing from the system would leave the C library in C and hide what French users get.
inline void setUpApplication()
{
    if (!std::setlocale(LC_ALL, ""))
        qFatal("the locale %s is not installed on this system (locale -a lists those that are)",
               qgetenv("LC_ALL").isEmpty() ? qgetenv("LANG").constData()
                                           : qgetenv("LC_ALL").constData());
    QStandardPaths::setTestModeEnabled(true);
    static const QTemporaryDir preferences;
    if (!preferences.isValid())
        qFatal("no temporary folder for the preferences: %s", qPrintable(preferences.errorString()));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, preferences.path());
    QSettings(QStringLiteral("Dorvane"), QStringLiteral("dorvane")).clear();
    design::prepareApplication();
}

// A figure written with a decimal comma, as the window shows it under the system's settings.
inline QString shown(QString frenchText)
{
    const QString point = QLocale::system().decimalPoint();
    return frenchText.replace(QLatin1Char(','), point.isEmpty() ? QStringLiteral(".") : point);
}

template <class Widget = QWidget> Widget *control(const QWidget &window, const QString &name)
{
    auto *widget = window.findChild<Widget *>(name, Qt::FindDirectChildrenOnly);
    if (!widget)
        qFatal("no control %s", qPrintable(name));
    return widget;
}

inline QLineEdit *position(const QWidget &window, int row)
{
    return control<QLineEdit>(window, QStringLiteral("Text1(%1)").arg(row));
}

inline QLineEdit *note(const QWidget &window, int row)
{
    return control<QLineEdit>(window, QStringLiteral("Sol1(%1)").arg(row));
}

// Replaces the length text the way a user does: select all, then type.
inline void typeLength(const QWidget &window, const QString &text)
{
    QLineEdit *box = control<QLineEdit>(window, QStringLiteral("Longvib"));
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

// Picks an entry of the scale list: opens the list, moves to the entry and presses Return.
inline void pickScale(const QWidget &window, const QString &name)
{
    auto *combo = control<QComboBox>(window, QStringLiteral("Combo1"));
    const int index = combo->findText(name, Qt::MatchExactly);
    if (index < 0)
        qFatal("no scale %s", qPrintable(name));
    combo->showPopup();
    QAbstractItemView *view = combo->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

// The rows whose two boxes are both visible; fails the test if only one of a pair is.
inline QList<int> visibleRows(const QWidget &window)
{
    QList<int> rows;
    for (int i = 0; i < Base::RowCount; ++i) {
        const bool positionShown = position(window, i)->isVisibleTo(&window);
        const bool noteShown = note(window, i)->isVisibleTo(&window);
        if (positionShown != noteShown)
            qFatal("row %d is half shown", i);
        if (positionShown)
            rows << i;
    }
    return rows;
}

inline QList<int> rowsOf(std::initializer_list<std::pair<int, int>> ranges)
{
    QList<int> rows;
    for (auto [first, last] : ranges) {
        for (int i = first; i <= last; ++i)
            rows << i;
    }
    return rows;
}

// Presses a button of the main window and lets the action run on the modal window it opens,
// which is then closed with its close button.
inline void whileModalOpen(const QWidget &window, const char *button,
                           const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, [&action] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            qFatal("no modal window");
        action(modal);
        modal->close();
    });
    QTest::mouseClick(control(window, button), Qt::LeftButton);
}

// Checks that a box shows its whole text, from its beginning, without scrolling.
inline bool showsWholeText(QLineEdit *box)
{
    const auto cursorX = [box] {
        return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    };
    const QString text = box->text();
    if (box->cursorPosition() != 0)
        return false;
    box->setCursorPosition(text.size());
    const int end = cursorX();
    box->setCursorPosition(0);
    const int start = cursorX();
    return end - start >= box->fontMetrics().horizontalAdvance(text) - 1 && end < box->width() - 2;
}

} // namespace window_test
