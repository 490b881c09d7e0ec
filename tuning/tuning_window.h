// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Accord": the tuning of a table as a tuner needs it, fret by fret, with commands
// that copy it, print it, save it as a PDF and export it as a Scala file. It shows a result
// sheet's table, or a scale of any tuning, read from a Scala file or made of equal divisions of
// the octave, on a length and with a number of frets of its own, which also makes templates.
// However it was opened, Ctrl+O, Ctrl+E, a dropped Scala file and its context menu show a
// scale of any tuning in it; an open string's frequency adds each fret's.
#pragma once

#include "file_dialogs.h"
#include "fret_table.h"
#include "length_reading.h"
#include "scala_scale.h"
#include "string_tuning.h"

#include <QDialog>
#include <functional>
#include <optional>

class LengthHint;
class NumberField;
class QAction;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class TuningModel;

namespace tuning_pages
{
class TablePages;
}

class TuningWindow : public QDialog
{
    Q_OBJECT

public:
    // What "Gabarit 1:1…" opens for a scale's table: the template dialog, which the main program
    // gives the window, with the length as typed and what its box made of it.
    using TemplateOpener = std::function<void(
        QWidget *parent, const dorvane::FretTable &table, const dorvane::TableAt &tableAt,
        const dorvane::Degrees &degrees, const QString &lengthText,
        const QString &lengthExplanation, output::FileDialogs &dialogs)>;

    // The tuning of a sheet's table.
    TuningWindow(const dorvane::FretTable &table, output::FileDialogs &dialogs,
                 TemplateOpener openTemplate, QWidget *parent);
    // A scale of any tuning on a length, from the file at `path` (none for equal divisions);
    // the file shown last comes back on the length and with the frets it had.
    TuningWindow(dorvane::ScalaScale scale, const QString &path, dorvane::Currency length,
                 output::FileDialogs &dialogs, TemplateOpener openTemplate, QWidget *parent);

    // Shows the scale of a Scala file in place of the one shown; a file that cannot be read is
    // said, and the window stays as it was.
    void openScala(const QString &path);

    // The table as a document: its title, its length, then every column; also what is copied.
    QString html() const;
    QString plainText() const;
    // The same on paper.
    tuning_pages::TablePages pages() const;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void done(int result) override;

private slots:
    void Copier_Click();
    void Imprimer_Click();
    void EnregistrerPdf_Click();
    void ExporterScala_Click();
    void Ouvrir_Click();
    void Diviser_Click();
    void Gabarit_Click();
    void scaleSettingsChanged();
    void frequencyChanged();

private:
    void createWindow(dorvane::Currency length);
    void createTable();
    void createFields(dorvane::Currency length);
    void createButtons();
    void createCommands();
    void showScale(dorvane::ScalaScale scale, const QString &path);
    void showTable(const dorvane::FretTable &shown);
    void showDegrees(dorvane::Degrees shown, const QStringList &names);
    void fitWindow();
    void fitColumns();
    QString lengthLine() const;
    QStringList linesAboveTable() const;
    void saveFile(const QString &proposedName, const QString &title,
                  const std::function<QByteArray(const QString &fileName)> &contents);

    dorvane::FretTable table;
    std::optional<dorvane::ScalaScale> scale; // for a scale of any tuning
    QString scalePath;                        // its file's
    dorvane::StoredLength length;             // what the length box made of its text
    std::optional<double> openFrequency;
    output::FileDialogs &dialogs;
    TemplateOpener templateOpener;
    TuningModel *model = nullptr;
    QList<QAction *> commands; // of the context menu

    QLabel *Titre;
    QLabel *Longueur;
    QLabel *Fichier;
    QWidget *ChampsGamme; // the length and the frets of a scale of any tuning
    QLineEdit *LongueurVibrante;
    LengthHint *lengthHint;
    QSpinBox *Frettes;
    QComboBox *Corde;         // the degree the open string is tuned to
    dorvane::Degrees degrees; // of the scale shown
    NumberField *FrequenceAVide;
    QTableView *Tableau;
    QPushButton *Gabarit;
    QDialogButtonBox *buttons;
};
