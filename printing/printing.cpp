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
#include <functional>

using dorvane::Failure;
using dorvane::Result;
using printing::Outcome;

namespace
{

// A job that could not be sent, to a printer or into a file, of a sheet or of a template.
Failure printFailure(const QPrinter &printer, bool ofTemplate)
{
    const bool toFile = !printer.outputFileName().isEmpty();
    Failure failure{
        Failure::Reason::PrintFailed,
        (toFile ? QDir::toNativeSeparators(printer.outputFileName()) : printer.printerName())
            .toStdString()};
    failure.setting = toFile ? "file" : "printer";
    failure.limit = ofTemplate ? 1 : 0;
    return failure;
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
    if (sheet_output::paintSheet(*sheet, printer) && printer.printerState() != QPrinter::Error)
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

// The pages the dialog chose, in order, each painted from the paper's corner by `paint`; false
// when the printer took them not.
bool printChosenPages(QPrinter &printer, int count,
                      const std::function<void(QPainter &, int, double)> &paint)
{
    const int first = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    const int last = printer.toPage() > 0 ? std::min(printer.toPage(), count) : count;
    QPainter painter;
    bool painted = painter.begin(&printer);
    for (int page = first; painted && page < last; ++page) {
        if (page > first)
            painted = printer.newPage();
        if (painted)
            paint(painter, page, printer.resolution() / 25.4);
    }
    painted = painter.isActive() && painter.end() && painted;
    return painted && printer.printerState() != QPrinter::Error;
}

// A printer for pages laid out from the paper's corner, in order; its dialog offers them all.
bool askPrinter(QPrinter &printer, QWidget *parent, const QPageLayout &layout, int count)
{
    printer.setFullPage(true); // the painter's origin is the paper's corner
    printer.setPageLayout(layout);
    printer.setPageOrder(QPrinter::FirstPageFirst);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, count);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

extern "C" Q_DECL_EXPORT Result<Outcome>
dorvanePrintTemplate(QWidget *parent, const template_pages::Pages &pages, const QString &title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    if (!askPrinter(printer, parent, pages.layout(), pages.count()))
        return Outcome::Cancelled;
    printAtTrueSize(printer);
    if (printChosenPages(printer, pages.count(), [&](QPainter &painter, int page, double mm) {
            pages.paint(painter, page, mm);
        }))
        return Outcome::Printed;
    return printFailure(printer, true);
}

extern "C" Q_DECL_EXPORT Result<Outcome>
dorvanePrintDocument(QWidget *parent, const output::PagedDocument &document, const QString &title)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    if (!askPrinter(printer, parent, document.layout(), document.count()))
        return Outcome::Cancelled;
    if (printChosenPages(printer, document.count(), [&](QPainter &painter, int page, double mm) {
            document.paint(painter, page, mm);
        }))
        return Outcome::Printed;
    return printFailure(printer, false);
}
