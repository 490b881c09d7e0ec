// SPDX-License-Identifier: GPL-3.0-or-later
// The commands by which a sheet leaves the screen: printing, through the printing module loaded
// on first use, a PDF file and the table on the clipboard.
#include "result_sheet.h"

#include "printing.h"
#include "sheet_output.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QStandardPaths>
#include <cstdio>

namespace
{

// Where a PDF is proposed: the user's documents folder, or the home folder without one.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

ResultSheet::Dialogs systemDialogs()
{
    return {
        [](QWidget *parent, const QString &proposedPath) {
            QFileDialog dialog(parent, QStringLiteral("Enregistrer en PDF"));
            dialog.setAcceptMode(QFileDialog::AcceptSave); // asks before replacing a file
            dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
            dialog.setDefaultSuffix(QStringLiteral("pdf"));
            dialog.setDirectory(QFileInfo(proposedPath).absolutePath());
            dialog.selectFile(QFileInfo(proposedPath).fileName());
            return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
        },
        [](QWidget *parent, const QString &title, const QString &message) {
            QMessageBox::warning(parent, title, message);
        },
    };
}

void ResultSheet::print()
{
    // Loaded on the first request and kept: beside the program in its build folder, in its
    // own folder once installed.
    static QLibrary module;
    if (!module.isLoaded()) {
        const QDir here(QCoreApplication::applicationDirPath());
        for (const QString &folder :
             {here.path(), here.filePath(QStringLiteral(DORVANE_MODULES))}) {
            module.setFileName(QDir(folder).filePath(QStringLiteral(DORVANE_PRINTING_MODULE)));
            if (module.load())
                break;
        }
    }
    const auto printSheet =
        reinterpret_cast<printing::PrintSheet>(module.resolve(printing::EntryPoint));
    if (!printSheet) {
        // The loader's explanation, with its paths, goes to the log; the user is told what
        // cannot be done.
        std::fprintf(stderr, "dorvane: %s\n", qPrintable(module.errorString()));
        dialogs.warning(this, QStringLiteral("Imprimer"),
                        QStringLiteral("L'impression n'est pas possible : le module d'impression "
                                       "« %1 » est introuvable ou illisible.")
                            .arg(QStringLiteral(DORVANE_PRINTING_MODULE)));
        return;
    }
    QString failure;
    if (printSheet(this, documentTitle(), &failure) == printing::Outcome::Failed)
        dialogs.warning(this, QStringLiteral("Imprimer"), failure);
}

void ResultSheet::saveAsPdf()
{
    const QString proposed =
        QDir(documentsFolder()).filePath(sheet_output::proposedFileName(scaleName(), lengthText()));
    const QString fileName = dialogs.saveFileName(this, proposed);
    if (fileName.isEmpty())
        return; // cancelled
    const QString failure = sheet_output::savePdf(*this, fileName, documentTitle());
    if (!failure.isEmpty())
        dialogs.warning(this, QStringLiteral("Enregistrer en PDF"),
                        QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.")
                            .arg(QDir::toNativeSeparators(fileName), failure));
}

// The sheet's rows in their order, each cell as it stands, the user's typing included.
void ResultSheet::copyTable()
{
    QList<sheet_output::Cell> rows;
    for (const dorvane::RowRange &range : sheetDesign.rows) {
        for (int i = range.first; i <= range.last; ++i) {
            if (cells.positions[i] && cells.notes[i])
                rows.append({cells.positions[i]->text(), cells.notes[i]->text()});
        }
    }
    const sheet_output::TableText table = sheet_output::tableText(scaleName(), lengthText(), rows);
    auto *data = new QMimeData;
    data->setText(table.plain);
    data->setHtml(table.html);
    QGuiApplication::clipboard()->setMimeData(data);
}
