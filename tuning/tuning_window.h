// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Accord": the tuning of a table as a tuner needs it, fret by fret, with commands
// that copy it, print it, save it as a PDF and export it as a Scala file.
#pragma once

#include "file_dialogs.h"
#include "fret_table.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTableView;
class TuningModel;

class TuningWindow : public QDialog
{
    Q_OBJECT

public:
    TuningWindow(const dorvane::FretTable &table, output::FileDialogs &dialogs, QWidget *parent);

    // The table as a document: its title, its length, then every column; also what is copied.
    QString html() const;
    QString plainText() const;

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void Copier_Click();
    void Imprimer_Click();
    void EnregistrerPdf_Click();
    void ExporterScala_Click();

private:
    void createButtons();
    void fitTable();
    QString lengthLine() const;
    void saveFile(const QString &proposedName, const QString &title,
                  const std::function<QByteArray(const QString &fileName)> &contents);

    dorvane::FretTable table;
    output::FileDialogs &dialogs;
    TuningModel *model;

    QLabel *Titre;
    QLabel *Longueur;
    QTableView *Tableau;
};
