// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog in which a template of a result sheet's table is made: its unit, the widths of its
// strip and slots and its paper, a preview of its pages, and the commands that print it, save
// it as a PDF or export it for a machine.
#pragma once

#include "output_dialogs.h"
#include "template_files.h"

#include <QDialog>
#include <memory>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class TemplatePreview;

class TemplateDialog : public QDialog
{
    Q_OBJECT

public:
    TemplateDialog(const dorvane::TableChoice &table, const QString &lengthText,
                   sheet_output::Dialogs dialogs, QWidget *parent);
    ~TemplateDialog() override;

private slots:
    void Unite_Change();
    void settingsChanged();
    void Imprimer_Click();
    void saveAs(template_files::Format format);

private:
    void createFields();
    void createButtons();
    dorvane::TemplateSettings settings() const;
    template_pages::Paper paper() const;

    dorvane::TableChoice table;
    QString lengthText;
    sheet_output::Dialogs dialogs;
    std::unique_ptr<template_pages::Pages> pages;
    dorvane::Unit unitShown = dorvane::Unit::Millimetre;

    QLabel *Titre;
    QComboBox *Unite;
    QDoubleSpinBox *Largeur;
    QDoubleSpinBox *Fente;
    QComboBox *Papier;
    TemplatePreview *Apercu;
    QSpinBox *Page;
    QLabel *Probleme;
    QList<QPushButton *> commands; // print, PDF, then the files for a machine
    static constexpr int PaperCommands = 2;
};
