// SPDX-License-Identifier: GPL-3.0-or-later
// A document of pages that a printer or a PDF is given: its page's layout, its number of pages,
// and each page painted in turn, by the output that made it.
#pragma once

#include <QPageLayout>

class QPainter;

namespace output
{

class PagedDocument
{
public:
    virtual ~PagedDocument() = default;
    // The paper, its orientation and margins; a page is painted from the paper's corner.
    virtual QPageLayout layout() const = 0;
    virtual int count() const = 0;
    // Draws page `index`, from 0, the paper's top left corner at the painter's origin, with
    // `pixelsPerMm` of the painter's pixels in a millimetre.
    virtual void paint(QPainter &painter, int index, double pixelsPerMm) const = 0;
};

} // namespace output
