// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing_module.h"

#include "paged_document.h"
#include "printing_build.h"
#include "sheet_output.h"
#include "template_pages.h"

#include <QDir>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QString>
#include <algorithm>

using dorvane::Failure;
using dorvane::Result;
using printing::Outcome;

namespace
{

// A job that could not be sent, to a printer or into a file, of a sheet or of a template.
Failure printFailure(const QPrinter &printer, bool ofTemplate)
{
    using dorvane::PrintFault;
    const bool toFile = !printer.outputFileName().isEmpty();
    const PrintFault reason =
        ofTemplate ? (toFile ? PrintFault::TemplateToFile : PrintFault::TemplateToPrinter)
                   : (toFile ? PrintFault::SheetToFile : PrintFault::SheetToPrinter);
    return Failure{reason, (toFile ? QDir::toNativeSeparators(printer.outputFileName())
                                   : printer.printerName())
                               .toStdString()};
}

} // namespace

extern "C" Q_DECL_EXPORT const char *dorvanePrintingBuild()
{
    return DORVANE_PRINTING_BUILD;
}

extern "C" Q_DECL_EXPORT Result<Outcome> dorvanePrintSheet(QWidget *sheet, const QString &title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    // The page's margins, as the PDF has them, not the printer's own of a few millimetres.
    printer.setPageMargins(sheet_output::PaperMargins, QPageLayout::Millimeter);
    printer.setPageOrientation(sheet_output::bestOrientation(sheet->size(), printer.pageLayout()));
    QPrintDialog dialog(&printer, sheet);
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    printer.setPageMargins(sheet_output::PaperMargins, QPageLayout::Millimeter);
    if (sheet_output::paintSheet(*sheet, printer).ok() && printer.printerState() != QPrinter::Error)
        return Outcome::Printed;
    return printFailure(printer, false);
}

namespace
{

// The job's options for the system's printing service, as the toolkit passes them on: name and
// value in turn. Asking for no scaling keeps a page of the template at its true size, even on
// a printer whose paper differs from it.
void printAtTrueSize(QPrinter &printer)
{
    const auto cupsOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);
    QStringList options = printer.printEngine()->property(cupsOptions).toStringList();
    options << QStringLiteral("print-scaling") << QStringLiteral("none")
            << QStringLiteral("fit-to-page") << QStringLiteral("false");
    printer.printEngine()->setProperty(cupsOptions, options);
}

// The system's print dialog for a document laid out from the paper's corner, then the pages
// chosen in it, in order; a template is printed at its true size, never fitted to the paper.
Result<Outcome> printPages(QWidget *parent, const output::PagedDocument &document,
                           const QString &title, bool ofTemplate)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setFullPage(true); // the painter's origin is the paper's corner
    printer.setPageLayout(document.layout());
    printer.setPageOrder(QPrinter::FirstPageFirst);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, document.count());
    if (dialog.exec() != QDialog::Accepted)
        return Outcome::Cancelled;
    if (ofTemplate)
        printAtTrueSize(printer);
    const int first = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    const int last =
        printer.toPage() > 0 ? std::min(printer.toPage(), document.count()) : document.count();
    QPainter painter;
    bool painted = painter.begin(&printer);
    for (int page = first; painted && page < last; ++page) {
        if (page > first)
            painted = printer.newPage();
        if (painted)
            document.paint(painter, page, printer.resolution() / 25.4);
    }
    painted = painter.isActive() && painter.end() && painted;
    if (painted && printer.printerState() != QPrinter::Error)
        return Outcome::Printed;
    return printFailure(printer, ofTemplate);
}

} // namespace

extern "C" Q_DECL_EXPORT Result<Outcome>
dorvanePrintTemplate(QWidget *parent, const template_pages::Pages &pages, const QString &title)
{
    return printPages(parent, pages, title, true);
}

extern "C" Q_DECL_EXPORT Result<Outcome>
dorvanePrintDocument(QWidget *parent, const output::PagedDocument &document, const QString &title)
{
    return printPages(parent, document, title, false);
}
