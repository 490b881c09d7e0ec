// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf.h"

#include "paged_document.h"
#include "version.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace output
{

dorvane::Result<QByteArray> pdfDocument(const QString &title, const QPageLayout &layout,
                                        const std::function<bool(QPdfWriter &)> &paint)
{
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QString::fromLatin1(dorvane::ProgramName));
        pdf.setResolution(1200);
        pdf.setPageLayout(layout);
        if (!paint(pdf))
            return dorvane::Failure{dorvane::Failure::Reason::PagesNotDrawn};
    }
    return document;
}

dorvane::Result<QByteArray> pdfOf(const PagedDocument &document, const QString &title)
{
    return pdfDocument(title, document.layout(), [&](QPdfWriter &writer) {
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const double mm = writer.resolution() / 25.4;
        for (int page = 0; page < document.count(); ++page) {
            if (page > 0 && !writer.newPage())
                return false;
            document.paint(painter, page, mm);
        }
        return painter.end();
    });
}

} // namespace output
