// SPDX-License-Identifier: GPL-3.0-or-later
// A template on paper at its true size, spread over as many landscape pages as it needs:
// consecutive pages overlap and share alignment marks, and every page carries its number, the
// scale, the length and the unit, the advice to print at 100 % and two rulers to check it by.
// The same painter draws the preview, the printed pages and the PDF.
#pragma once

#include "fret_template.h"
#include "paged_document.h"

#include <QPageLayout>
#include <QRectF>
#include <QString>

class QPainter;

namespace template_pages
{

enum class Paper { A4, Letter };

// Letter where the system measures in inches, as in the United States; A4 elsewhere.
Paper defaultPaper();

inline constexpr double OverlapMm = 15; // shared by two consecutive pages, at least 10 mm
inline constexpr int MostPages = 200;   // beyond, the template is refused for paper

// How the pages are laid out and drawn: their paper, and what the 100 mm ruler of a page measured
// when the printer printed it at 100 %. A printer that prints at 98 % gives 98: the drawing is
// then stretched along the strip by 100 / 98, rulers included, so that it comes out at its true
// size, and every page says so.
struct PageSettings {
    Paper paper = Paper::A4;
    dorvane::Currency ruler = TrueRuler;
    static constexpr dorvane::Currency TrueRuler = dorvane::Currency::fromScaled(100 * 10000);
    static constexpr dorvane::Currency LeastRuler = dorvane::Currency::fromScaled(90 * 10000);
    static constexpr dorvane::Currency MostRuler = dorvane::Currency::fromScaled(110 * 10000);
    bool corrected() const { return ruler != TrueRuler; }
};

class Pages : public output::PagedDocument
{
public:
    Pages(dorvane::FretTemplate fretTemplate, PageSettings settings);

    int count() const override { return columns * rows; }
    QPageLayout layout() const override; // landscape, no margins: the origin is the corner
    QSizeF paperMm() const;
    const dorvane::FretTemplate &fretTemplate() const { return t; }
    const PageSettings &pageSettings() const { return settings; }

    // Draws page `index`, from 0, its top left corner at the painter's origin, with
    // `pixelsPerMm` of the painter's pixels in a millimetre.
    void paint(QPainter &painter, int index, double pixelsPerMm) const override;

private:
    void paintTemplate(QPainter &painter, int column, int row) const;
    void paintBoard(QPainter &painter, int column, int row) const;
    void paintMarks(QPainter &painter, int column, int row) const;
    void paintFrame(QPainter &painter, int index) const;
    QPointF onPage(double xUnit, double yUnit, int column, int row) const;
    QString heading(int index) const;

    dorvane::FretTemplate t;
    PageSettings settings;
    double mm;      // millimetres in a unit of the template
    double stretch; // of the printer's millimetres along the strip: 100 / the ruler measured
    double width;   // of the paper, in the printer's millimetres: 297 on A4 printed at 100 %
    QRectF area;    // where the template stands on a page, in the printer's millimetres
    int columns = 1;
    int rows = 1;
};

// The pages as a PDF document, its lines vector lines and its fonts embedded.
dorvane::Result<QByteArray> pdfDocument(const Pages &pages, const QString &title);

// Whether the template can go on paper: TooManyPages beyond MostPages.
dorvane::Done checkPages(const Pages &pages);

} // namespace template_pages
