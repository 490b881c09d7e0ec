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
                                        const std::function<dorvane::Done(QPdfWriter &)> &paint)
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
        if (const dorvane::Done painted = paint(pdf); !painted)
            return painted.failure();
    }
    return document;
}

dorvane::Result<QByteArray> pdfOf(const PagedDocument &document, const QString &title)
{
    return pdfDocument(title, document.layout(), [&](QPdfWriter &writer) -> dorvane::Done {
        const dorvane::Failure notDrawn{dorvane::TemplateFault::PagesNotDrawn};
        QPainter painter;
        if (!painter.begin(&writer))
            return notDrawn;
        const double mm = writer.resolution() / 25.4;
        for (int page = 0; page < document.count(); ++page) {
            if (page > 0 && !writer.newPage())
                return notDrawn;
            document.paint(painter, page, mm);
        }
        if (!painter.end())
            return notDrawn;
        return dorvane::Succeeded();
    });
}

} // namespace output
