// SPDX-License-Identifier: GPL-3.0-or-later
// A result sheet shows the main window's table in a framed layout with larger type, one sheet
// per row set. The four sheets share this class; what differs between them is data.
#pragma once

#include "file_dialogs.h"
#include "sheet_contents.h"
#include "sheet_designs.h"
#include "sheet_layout.h"

#include <QDialog>
#include <functional>
#include <memory>

class QAction;

// Besides what the design shows, a sheet can leave the screen: Ctrl+P prints it, Ctrl+S saves
// it as a PDF, Ctrl+Shift+C copies its table, Ctrl+G makes a full-size template of it for paper
// or a machine and Ctrl+D shows its tuning; the five are also in its context menu.
class ResultSheet : public QDialog
{
    Q_OBJECT

public:
    // The windows a sheet opens on its table, which the main program gives it: with Ctrl+G the
    // template dialog, given the length as the sheet shows it and, for a length read in part,
    // why; with Ctrl+D the tuning window.
    struct Openers {
        std::function<void(QWidget *sheet, const dorvane::FretTable &table,
                           const dorvane::TableAt &tableAt, const dorvane::Degrees &degrees,
                           const QString &lengthText, const QString &lengthExplanation,
                           output::FileDialogs &dialogs)>
            templateDialog;
        std::function<void(QWidget *sheet, const dorvane::FretTable &table,
                           output::FileDialogs &dialogs)>
            tuningWindow;
    };

    // The sheet of a design, asking for files and telling of failures through the dialogs that
    // the windows share.
    ResultSheet(const SheetDesign &design, std::shared_ptr<output::FileDialogs> dialogs,
                Openers openers);

    // Loads the sheet from its design, fills it with what the main window gives and shows it
    // modally.
    void showFilled(const SheetContents &contents);

    // The dialogs through which the commands ask for a file name and tell of a failure.
    using Dialogs = output::Dialogs;
    void setDialogs(Dialogs replacement);

    void setVisible(bool visible) override;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void print();
    void saveAsPdf();
    void copyTable();
    void makeTemplate();
    void showTuning();

private:
    void load();
    void unload();
    void Form_Load(const SheetContents &contents);
    void showExplanation();
    int explanationHeight() const;

    QString scaleName() const;
    QString lengthText() const;
    QString documentTitle() const;

    const SheetDesign &sheetDesign;
    QWidget *controls = nullptr; // everything loaded from the design; gone when closed
    SheetCells cells;            // the controls within it
    dorvane::FretTable table;    // the main window's table, for the outputs at full size
    dorvane::TableAt tableAt;    // its scale at other lengths, for a board's strings
    dorvane::Degrees degrees;    // and its degrees
    QString lengthExplanation;   // why the length shown is not the text typed; usually empty
    QList<QAction *> commands;   // print, save as PDF, copy the table, template, tuning
    std::shared_ptr<output::FileDialogs> dialogs;
    Openers openers;
};
