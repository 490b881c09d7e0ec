// SPDX-License-Identifier: GPL-3.0-or-later
// A result sheet shows the main window's table in a framed layout with larger type, one sheet
// per row set. The four sheets share this class; what differs between them is data.
#pragma once

#include "scale.h"

#include <QDialog>
#include <array>
#include <functional>

class QAction;

struct SheetDesign {
    const char *name;                  // "Capture24"
    dorvane::RowSet rows;              // the row indices of its cells
    std::array<int, 4> cellsPerColumn; // 0 past the last column
    int clientWidth;                   // twips
    int clientHeight;                  // twips
    const char *lengthCell;            // "Text2" or "Text43"
    const char *lengthLabelCell;       // "Tex2" or "Tex43"
    const char *lengthHeader;          // "Label1" or "Label2"
    const char *noteHeader;
    double scaleNamePoints;         // 9.75, or 11.25 on Capture34
    std::array<int, 3> narrowNotes; // note cells in "MS Sans Serif"; -1 for none
    const char *firstFocus;         // the box with tab index 0
    // The names of the frame's left, top, right and bottom lines and of the header rule.
    const char *lineNames[5];
};

namespace sheets
{
extern const SheetDesign Capture14;
extern const SheetDesign Capture24;
extern const SheetDesign Capture34;
extern const SheetDesign Capture42;
} // namespace sheets

// Besides what the design shows, a sheet can leave the screen: Ctrl+P prints it, Ctrl+S saves
// it as a PDF and Ctrl+Shift+C copies its table; the three are also in its context menu.
class ResultSheet : public QDialog
{
    Q_OBJECT

public:
    explicit ResultSheet(const SheetDesign &design);

    // Loads the sheet from its design, fills it from the main window and shows it modally.
    void showFilledFrom(const QWidget &mainWindow);

    // The dialogs through which the commands ask for a file name and tell of a failure; the
    // system's file dialog and message box unless replaced (tests replace them).
    struct Dialogs {
        std::function<QString(QWidget *parent, const QString &proposedPath)> saveFileName;
        std::function<void(QWidget *parent, const QString &title, const QString &message)> warning;
    };
    void setDialogs(Dialogs replacement);

    void setVisible(bool visible) override;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void print();
    void saveAsPdf();
    void copyTable();

private:
    void load();
    void unload();
    void Form_Load(const QWidget &mainWindow);

    QString cellText(const QString &name) const;
    QString scaleName() const;
    QString lengthText() const;
    QString documentTitle() const;

    const SheetDesign &sheetDesign;
    QWidget *controls = nullptr; // everything loaded from the design; gone when closed
    QList<QAction *> commands;   // print, save as PDF, copy the table
    Dialogs dialogs;
};
