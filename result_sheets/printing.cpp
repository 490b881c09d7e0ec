// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing.h"

#include "sheet_output.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrinter>
#include <QString>

extern "C" Q_DECL_EXPORT printing::Outcome dorvanePrintSheet(QWidget *sheet, const QString &title,
                                                             QString *failure)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageOrientation(sheet_output::bestOrientation(sheet->size(), printer.pageLayout()));
    QPrintDialog dialog(&printer, sheet);
    if (dialog.exec() != QDialog::Accepted)
        return printing::Outcome::Cancelled;
    if (sheet_output::paintSheet(*sheet, printer) && printer.printerState() != QPrinter::Error)
        return printing::Outcome::Printed;
    const QString where = printer.outputFileName().isEmpty()
                              ? QStringLiteral("l'imprimante « %1 »").arg(printer.printerName())
                              : QStringLiteral("le fichier « %1 »")
                                    .arg(QDir::toNativeSeparators(printer.outputFileName()));
    *failure = QStringLiteral("L'impression sur %1 a échoué : le travail n'a pas pu être envoyé.")
                   .arg(where);
    return printing::Outcome::Failed;
}
