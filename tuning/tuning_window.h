// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Accord": the tuning of a table as a tuner needs it, fret by fret, with commands
// that copy it, print it, save it as a PDF and export it as a Scala file. It shows a result
// sheet's table, or a scale of any tuning, read from a Scala file or made of equal divisions of
// the octave, on a length and with a number of frets of its own, which also makes templates.
#pragma once

#include "file_dialogs.h"
#include "fret_table.h"
#include "scala_scale.h"

#include <QDialog>
#include <functional>
#include <optional>

class NumberField;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class TuningModel;

class TuningWindow : public QDialog
{
    Q_OBJECT

public:
    // What "Gabarit 1:1…" opens for a scale's table: the template dialog, which the main program
    // gives the window.
    using TemplateOpener =
        std::function<void(QWidget *parent, const dorvane::FretTable &table,
                           const QString &lengthText, output::FileDialogs &dialogs)>;

    // The tuning of a sheet's table.
    TuningWindow(const dorvane::FretTable &table, output::FileDialogs &dialogs, QWidget *parent);
    // A scale of any tuning on a length, from the file named (none for equal divisions).
    TuningWindow(dorvane::ScalaScale scale, const QString &fileName, dorvane::Currency length,
                 output::FileDialogs &dialogs, TemplateOpener openTemplate, QWidget *parent);

    // Shows the scale of a Scala file in place of the one shown; a file that cannot be read is
    // said, and the window stays as it was. True when shown.
    bool openScala(const QString &fileName);

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
    void Ouvrir_Click();
    void Diviser_Click();
    void Gabarit_Click();
    void scaleSettingsChanged();

private:
    void createTable();
    void createButtons();
    void createScaleFields(dorvane::Currency length);
    void showScale(dorvane::ScalaScale scale, const QString &fileName);
    void showTable(const dorvane::FretTable &shown);
    void fitTable();
    QString lengthLine() const;
    void saveFile(const QString &proposedName, const QString &title,
                  const std::function<QByteArray(const QString &fileName)> &contents);

    dorvane::FretTable table;
    std::optional<dorvane::ScalaScale> scale; // for a scale of any tuning
    output::FileDialogs &dialogs;
    TemplateOpener templateOpener;
    TuningModel *model = nullptr;

    QLabel *Titre;
    QLabel *Longueur = nullptr;
    QLabel *Fichier = nullptr;
    NumberField *LongueurVibrante = nullptr;
    QSpinBox *Frettes = nullptr;
    QTableView *Tableau;
};
