// SPDX-License-Identifier: GPL-3.0-or-later
// The commands by which a sheet leaves the screen: printing, through the printing module loaded
// on first use, a PDF file and the table on the clipboard.
#include "result_sheet.h"

#include "failures.h"
#include "files.h"
#include "printing_module.h"
#include "regional.h"
#include "sheet_output.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>

void ResultSheet::print()
{
    const dorvane::Result<void *> entry = output::printingEntry(printing::EntryPoint);
    if (!entry) {
        dialogs->warning(this, QStringLiteral("Imprimer"),
                         output::describe(entry.failure()) + QLatin1Char('.'));
        return;
    }
    const auto printSheet = reinterpret_cast<printing::PrintSheet>(*entry);
    if (const auto printed = printSheet(this, documentTitle()); !printed)
        dialogs->warning(this, QStringLiteral("Imprimer"),
                         output::describe(printed.failure()) + QLatin1Char('.'));
}

void ResultSheet::saveAsPdf()
{
    const QString proposed = files::proposedFileName(documentTitle(), QString());
    const std::optional<QString> fileName = dialogs->askFileName(this, proposed);
    if (!fileName)
        return; // cancelled
    if (const dorvane::Done saved = sheet_output::savePdf(*this, *fileName, documentTitle());
        !saved)
        dialogs->warning(
            this, QStringLiteral("Enregistrer en PDF"),
            QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.")
                .arg(QDir::toNativeSeparators(*fileName), output::describe(saved.failure())));
}

// The sheet's rows in their order, each cell as it stands, the user's typing included.
void ResultSheet::copyTable()
{
    QList<sheet_output::Cell> rows;
    design::forEachRow(sheetDesign.rows, [&](int fret, int i) {
        if (cells.positions[i] && cells.notes[i])
            rows.append({fret + 1, cells.positions[i]->text(), cells.notes[i]->text()});
    });
    const sheet_output::TableText table = sheet_output::tableText(scaleName(), lengthText(), rows);
    auto *data = new QMimeData;
    data->setText(table.plain);
    data->setHtml(table.html);
    QGuiApplication::clipboard()->setMimeData(data);
}

// The template of the table the main window computed, at the length it was computed with.
void ResultSheet::makeTemplate()
{
    if (table.empty()) {
        dialogs->warning(this, QStringLiteral("Gabarit 1:1"),
                         QStringLiteral("Le tableau est vide : choisissez une gamme dans la "
                                        "fenêtre principale, puis rouvrez la feuille."));
        return;
    }
    const dorvane::ShortText length =
        dorvane::CurrencyText(table.length, output::decimalSeparator());
    if (openers.templateDialog)
        openers.templateDialog(this, table, tableAt, degrees, QString::fromStdString(length.str()),
                               lengthExplanation, *dialogs);
}

// The tuning of the table the main window computed: intervals, cents, deviations.
void ResultSheet::showTuning()
{
    if (table.empty()) {
        dialogs->warning(this, QStringLiteral("Détails de l'accord"),
                         QStringLiteral("Le tableau est vide : choisissez une gamme dans la "
                                        "fenêtre principale, puis rouvrez la feuille."));
        return;
    }
    if (openers.tuningWindow)
        openers.tuningWindow(this, table, *dialogs);
}
