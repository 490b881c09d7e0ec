// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for reading a result sheet and answering its dialogs, offscreen.
#pragma once

#include "result_sheet.h"
#include "window_test.h"

#include <QRegularExpression>
#include <algorithm>

namespace sheet_test
{

// What a sheet held when a command was given.
struct SheetTexts {
    QString scaleName;
    QString length;
    QList<std::pair<QString, QString>> cells; // position and note, in row order
};

inline SheetTexts textsOf(const QWidget &sheet)
{
    SheetTexts texts;
    texts.scaleName = sheet.findChild<QLabel *>("Label3")->text();
    for (const char *name : {"Text2", "Text43"}) {
        if (auto *length = sheet.findChild<QLineEdit *>(name))
            texts.length = length->text();
    }
    QList<int> rows;
    for (auto *cell : sheet.findChildren<QLineEdit *>(QRegularExpression("^Text1\\(")))
        rows << cell->objectName().mid(6).chopped(1).toInt();
    std::sort(rows.begin(), rows.end());
    for (int row : rows) {
        const QString index = QString::number(row);
        texts.cells.append({sheet.findChild<QLineEdit *>("Text1(" + index + ")")->text(),
                            sheet.findChild<QLineEdit *>("Tex1(" + index + ")")->text()});
    }
    return texts;
}

inline QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

// The save dialog answered with a file name (the proposed one noted), the messages noted, and
// every question noted and answered "Oui".
inline void saveTo(QWidget *sheet, const QString &fileName, QStringList *messages,
                   QString *proposed = nullptr)
{
    qobject_cast<ResultSheet *>(sheet)->setDialogs(
        {[=](QWidget *, const QString &path) -> std::optional<QString> {
             if (proposed)
                 *proposed = path;
             if (fileName.isEmpty())
                 return std::nullopt; // cancelled
             return fileName;
         },
         [=](QWidget *, const QString &, const QString &message) { *messages << message; },
         [=](QWidget *, const QString &, const QString &question) {
             *messages << question;
             return true;
         },
         {},
         {}});
}

// Makes the sheet the active window, where its keys work, as it is for a user.
inline void activate(QWidget *sheet)
{
    sheet->activateWindow();
    if (!QTest::qWaitForWindowActive(sheet))
        qFatal("the sheet does not become active");
}

} // namespace sheet_test
