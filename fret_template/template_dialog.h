// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog in which a template of a result sheet's table is made: its unit, the widths of its
// strip and slots, its paper and the correction of the user's printer, a preview of its pages,
// and the commands that print it, save it as a PDF or export it for a machine.
#pragma once

#include "file_dialogs.h"
#include "template_files.h"

#include <QDialog>
#include <memory>

class QAction;
class QLabel;
class QPushButton;
class QSpinBox;
class TemplateForm;
class TemplatePreview;

class TemplateDialog : public QDialog
{
    Q_OBJECT

public:
    // The scale of `table` at other lengths, for the other strings of a board, and its degrees,
    // to which they can be tuned.
    struct Scale {
        dorvane::TableAt tableAt;
        dorvane::Degrees degrees;
    };
    // `lengthProblem` is what the length box said of a text it could not read whole ("Lu : 647
    // — « ,7 » est ignoré…"); empty when the length was typed as it was read. While it stands,
    // nothing is printed or saved until the user confirms the length read.
    TemplateDialog(const dorvane::FretTable &table, Scale scale, const QString &lengthText,
                   const QString &lengthProblem, output::FileDialogs &dialogs, QWidget *parent);
    ~TemplateDialog() override;

    void done(int result) override;

protected:
    // On the preview and the dialog's free background: the table's copy.
    void contextMenuEvent(QContextMenuEvent *event) override;

private slots:
    void settingsChanged();
    void ConfirmerLongueur_Click();
    void Imprimer_Click();
    void saveAs(template_files::Format format);
    void copyTable();

private:
    void createPreview();
    void createButtons();
    void fitScreen();
    bool worthMaking(const template_pages::Pages &job);
    QString lengthWindow() const;

    dorvane::FretTable table;
    Scale scale;
    QString lengthText;
    QString lengthProblem; // empty once the length read is confirmed
    output::FileDialogs &dialogs;
    std::unique_ptr<template_pages::Pages> pages; // as printed: what the preview shows
    template_pages::PageSettings saved;           // the pages of a PDF
    int pagesAccepted = 0; // a job this long was accepted when the dialog asked

    QLabel *Titre;
    TemplateForm *form;
    TemplatePreview *Apercu;
    QSpinBox *Page;
    QLabel *Probleme;
    QPushButton *ConfirmerLongueur;
    QList<QPushButton *> commands; // print, PDF, then the files for a machine
    QAction *copy;                 // the table, each string's positions for a board
    static constexpr int PaperCommands = 2;
};
