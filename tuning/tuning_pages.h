// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning of a table on paper, as a result sheet goes there: A4 upright, the table filling
// the width within margins of 15 mm in type of 8 to 11 points, its title and its column
// headers on every page, as many pages as its rows need (a 42-row table takes one).
#pragma once

#include "paged_document.h"

#include <QList>
#include <QStringList>

class QFont;

namespace tuning_pages
{

struct TableText {
    QString title;       // "Zarlino Chromatique"
    QStringList lines;   // under the title: "Longueur : 650"
    QStringList headers; // the columns' titles
    QList<QStringList> rows;
};

class TablePages : public output::PagedDocument
{
public:
    explicit TablePages(TableText text);

    QPageLayout layout() const override;
    int count() const override;
    void paint(QPainter &painter, int index, double pixelsPerMm) const override;

    // The type of the table, in points, and how many rows a page holds.
    double typePoints() const { return points; }
    int rowsPerPage() const { return perPage; }

private:
    void layOut(double size);
    double heightOfTop() const;
    void paintHeaders(QPainter &painter, double top, double pixelsPerMm) const;
    void paintRow(QPainter &painter, const QStringList &row, double top, bool shaded,
                  double pixelsPerMm) const;
    QFont font(double pointSize, bool bold, double pixelsPerMm) const;

    TableText text;
    double points = 11;   // of the table's type
    QList<double> widths; // of the columns, in mm, filling the width
    int headerLines = 1;  // the headers wrapped to the columns' widths
    int perPage = 1;
};

} // namespace tuning_pages
