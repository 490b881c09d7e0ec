// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for reading the table and the mode controls of the main window, offscreen.
#pragma once

#include "window_test.h"

namespace scale_table_test
{

using namespace window_test;

using Figures = QList<std::pair<int, QString>>; // row and text with a decimal comma
using Names = QList<std::pair<int, QString>>;

inline const QString zarlinoDiatonic = "Zarlino Diatonique";
inline const QString pythagoreanDiatonic = "Pythagore Diatonique";

inline const QList<int> diatonicRows = rowsOf({{0, 6}, {11, 17}});

inline void checkFigures(const Base &window, const Figures &figures)
{
    for (const auto &[row, text] : figures)
        QCOMPARE(position(window, row)->text(), shown(text));
}

inline QStringList positionTexts(const Base &window, const QList<int> &rows)
{
    QStringList texts;
    for (int row : rows)
        texts << position(window, row)->text();
    return texts;
}

inline QStringList noteTexts(const Base &window, const QList<int> &rows)
{
    QStringList texts;
    for (int row : rows)
        texts << note(window, row)->text();
    return texts;
}

QScrollBar *modeBar(const Base &window)
{
    return control<QScrollBar>(window, "HScroll1");
}

inline QString pattern(const Base &window)
{
    return control<QLineEdit>(window, "Text2")->text();
}

inline QString modeName(const Base &window)
{
    return control<QLabel>(window, "Label3")->text();
}

inline bool modeControlsShown(const Base &window)
{
    const bool shown = modeBar(window)->isVisibleTo(&window);
    for (const char *name : {"Text2", "Label1", "Label3"}) {
        if (control(window, name)->isVisibleTo(&window) != shown)
            qFatal("mode controls half shown");
    }
    return shown;
}

} // namespace scale_table_test
