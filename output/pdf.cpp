// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf.h"

#include "version.h"

#include <QBuffer>
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

} // namespace output
