// SPDX-License-Identifier: GPL-3.0-or-later
// A PDF document made in memory, its pages painted by whoever asks for it.
#pragma once

#include "result.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPdfWriter;

namespace output
{

class PagedDocument;

// A PDF at 1200 dpi, its pages painted by `paint`, or why they could not be.
dorvane::Result<QByteArray> pdfDocument(const QString &title, const QPageLayout &layout,
                                        const std::function<dorvane::Done(QPdfWriter &)> &paint);

// Every page of a document as a PDF, its texts searchable and its fonts embedded.
dorvane::Result<QByteArray> pdfOf(const PagedDocument &document, const QString &title);

} // namespace output
