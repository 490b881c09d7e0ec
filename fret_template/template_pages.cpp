// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_pages.h"

#include "sheet_output.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>

using dorvane::Currency;
using dorvane::DoubleFromCurrency;

namespace template_pages
{

namespace
{

constexpr double MarginMm = 10;     // around everything printed, within any printer's reach
constexpr double HeaderMm = 24;     // from the top of the paper to the template's area
constexpr double FooterMm = 40;     // from the template's area to the bottom: the rulers
constexpr double LineMm = 0.2;      // every line of the template
constexpr double GlyphPixels = 100; // texts are drawn in a font this large, then scaled

QFont pageFont()
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    font.setPixelSize(int(GlyphPixels));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A text `heightMm` high, its baseline starting at `at` (or centred on it), across or upwards.
void drawText(QPainter &painter, QPointF at, double heightMm, bool vertical, bool middle,
              const QString &text)
{
    static const QFont font = pageFont();
    painter.save();
    painter.translate(at);
    if (vertical)
        painter.rotate(-90);
    painter.scale(heightMm / GlyphPixels, heightMm / GlyphPixels);
    painter.setFont(font);
    const double shift = middle ? QFontMetricsF(font).horizontalAdvance(text) / 2 : 0;
    painter.drawText(QPointF(-shift, 0), text);
    painter.restore();
}

// A ruler `length` millimetres long from `left`, its ticks every `step` millimetres, longer
// every `half` and `whole` steps, the wholes numbered; the sentence that asks to check it below.
struct Ruler {
    double length;
    double step;
    int half;
    int whole;
    const char *sentence;
};

void paintRuler(QPainter &painter, const Ruler &ruler, QPointF left)
{
    painter.drawLine(left, left + QPointF(ruler.length, 0));
    const int ticks = int(std::lround(ruler.length / ruler.step));
    for (int k = 0; k <= ticks; ++k) {
        const double x = left.x() + k * ruler.step;
        const double tick = k % ruler.whole == 0 ? 4.0 : k % ruler.half == 0 ? 2.8 : 1.8;
        painter.drawLine(QPointF(x, left.y()), QPointF(x, left.y() - tick));
        if (k % ruler.whole == 0)
            drawText(painter, QPointF(x, left.y() - 5), 2.2, false, true,
                     QString::number(k / ruler.whole));
    }
    drawText(painter, left + QPointF(0, 5), 2.6, false, false, QString::fromUtf8(ruler.sentence));
}

// A cross in a circle, shared by the two pages on which it falls.
void paintMark(QPainter &painter, QPointF centre)
{
    painter.drawEllipse(centre, 2.0, 2.0);
    painter.drawLine(centre - QPointF(4, 0), centre + QPointF(4, 0));
    painter.drawLine(centre - QPointF(0, 4), centre + QPointF(0, 4));
}

} // namespace

Paper defaultPaper()
{
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter
                                                                              : Paper::A4;
}

Pages::Pages(dorvane::FretTemplate fretTemplate, Paper paper)
    : t(std::move(fretTemplate)), paper(paper), mm(dorvane::InfoOf(t.unit).millimetres)
{
    const QSizeF size = paperMm();
    area = QRectF(MarginMm, HeaderMm, size.width() - 2 * MarginMm,
                  size.height() - HeaderMm - FooterMm);
    const double width = DoubleFromCurrency(t.right - t.left) * mm;
    const double height = DoubleFromCurrency(t.bottom - t.top) * mm;
    const auto tiles = [](double extent, double room) {
        const double more = std::ceil((extent - room) / (room - OverlapMm));
        return extent <= room ? 1 : int(std::min(more, double(MostPages))) + 1;
    };
    columns = tiles(width, area.width());
    rows = tiles(height, area.height());
    // A template that fits in one page's width or height stands in its middle.
    if (columns == 1)
        area.adjust((area.width() - width) / 2, 0, 0, 0);
    if (rows == 1)
        area.adjust(0, (area.height() - height) / 2, 0, 0);
}

QSizeF Pages::paperMm() const
{
    return paper == Paper::Letter ? QSizeF(279.4, 215.9) : QSizeF(297, 210);
}

QPageLayout Pages::layout() const
{
    const QPageSize size(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Landscape, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
}

// A place of the template, in its unit, on the page of a column and a row, in millimetres.
QPointF Pages::onPage(double xUnit, double yUnit, int column, int row) const
{
    const double step = OverlapMm;
    const double x = (xUnit - DoubleFromCurrency(t.left)) * mm;
    const double y = (yUnit - DoubleFromCurrency(t.top)) * mm;
    return {area.left() + x - column * (area.width() - step),
            area.top() + y - row * (area.height() - step)};
}

void Pages::paint(QPainter &painter, int index, double pixelsPerMm) const
{
    painter.save();
    painter.scale(pixelsPerMm, pixelsPerMm);
    // Lines of a fifth of a millimetre, and at least a pixel wide on a small preview.
    painter.setPen(QPen(Qt::black, std::max(LineMm, 0.8 / pixelsPerMm)));
    painter.setBrush(Qt::NoBrush);
    paintFrame(painter, index);
    const int column = index % columns;
    const int row = index / columns;
    painter.setClipRect(QRectF(MarginMm, HeaderMm, paperMm().width() - 2 * MarginMm,
                               paperMm().height() - HeaderMm - FooterMm));
    paintTemplate(painter, column, row);
    paintMarks(painter, column, row);
    painter.restore();
}

void Pages::paintFrame(QPainter &painter, int index) const
{
    const QSizeF size = paperMm();
    const QString title = QStringLiteral("Gabarit 1:1 · %1 · page %2 / %3")
                              .arg(QString::fromStdString(t.title))
                              .arg(index + 1)
                              .arg(count());
    drawText(painter, QPointF(MarginMm, MarginMm + 3.5), 3.5, false, false, title);
    drawText(painter, QPointF(MarginMm, MarginMm + 9), 2.8, false, false,
             QStringLiteral(
                 "Imprimez en taille réelle / 100 %, sans « ajuster à la page » ; "
                 "les pages se recouvrent de %1 mm : faites coïncider leurs repères en croix.")
                 .arg(OverlapMm));
    const double base = size.height() - MarginMm - 14;
    paintRuler(painter,
               {100, 1, 5, 10, "Vérifiez : cette règle doit mesurer exactement 100 mm (10 cm)."},
               QPointF(MarginMm, base));
    paintRuler(painter,
               {101.6, 25.4 / 8, 4, 8,
                "Vérifiez : cette règle doit mesurer exactement 4 pouces (101,6 mm)."},
               QPointF(size.width() / 2 + 5, base));
}

void Pages::paintTemplate(QPainter &painter, int column, int row) const
{
    const auto at = [&](Currency x, Currency y) {
        return onPage(DoubleFromCurrency(x), DoubleFromCurrency(y), column, row);
    };
    const Currency zero;
    const Currency half = Currency::fromScaled(t.width.scaled() / 2);
    const Currency top = zero - half;
    painter.drawRect(QRectF(at(zero, top), at(t.length, half)));
    QPen dashed = painter.pen();
    dashed.setStyle(Qt::DashLine);
    painter.save();
    painter.setPen(dashed);
    painter.drawLine(at(zero, zero), at(t.length, zero));
    painter.restore();
    // What falls on this page, in the template's unit: the lines within its margins, their
    // labels a little beyond.
    const double shown = column * (area.width() - OverlapMm) - area.left();
    const auto onThisPage = [&](Currency x, double beyondMm) {
        const double page = (DoubleFromCurrency(x) - DoubleFromCurrency(t.left)) * mm - shown;
        return page >= MarginMm - beyondMm && page <= paperMm().width() - MarginMm + beyondMm;
    };
    for (const dorvane::Fret &fret : t.frets) {
        if (!onThisPage(fret.position, 0))
            continue;
        painter.drawLine(at(fret.position, top), at(fret.position, half));
        if (t.slot > zero) {
            const double s = DoubleFromCurrency(t.slot) / 2;
            const double x = DoubleFromCurrency(fret.position);
            painter.drawRect(QRectF(onPage(x - s, DoubleFromCurrency(top), column, row),
                                    onPage(x + s, DoubleFromCurrency(half), column, row)));
        }
    }
    for (const dorvane::TemplateText &text : t.texts)
        if (!text.vertical || onThisPage(text.x, 5))
            drawText(painter, at(text.x, text.y), DoubleFromCurrency(text.height) * mm,
                     text.vertical, text.anchor == dorvane::TemplateText::Middle,
                     QString::fromStdString(text.text));
}

// Marks in the middle of each overlap, above and below the template's area, or beside it for
// rows; the same marks on both pages that share the overlap.
void Pages::paintMarks(QPainter &painter, int column, int row) const
{
    for (int c = 0; c + 1 < columns; ++c) {
        const double x = area.left() + (c + 1) * (area.width() - OverlapMm) + OverlapMm / 2 -
                         column * (area.width() - OverlapMm);
        for (double y : {HeaderMm + 4, paperMm().height() - FooterMm - 4})
            paintMark(painter, QPointF(x, y));
    }
    for (int r = 0; r + 1 < rows; ++r) {
        const double y = area.top() + (r + 1) * (area.height() - OverlapMm) + OverlapMm / 2 -
                         row * (area.height() - OverlapMm);
        for (double x : {MarginMm + 4, paperMm().width() - MarginMm - 4})
            paintMark(painter, QPointF(x, y));
    }
}

QByteArray pdfDocument(const Pages &pages, const QString &title)
{
    return sheet_output::pdfDocument(title, pages.layout(), [&pages](QPdfWriter &pdf) {
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        for (int page = 0; page < pages.count(); ++page) {
            if (page > 0 && !pdf.newPage())
                return false;
            pages.paint(painter, page, pdf.resolution() / 25.4);
        }
        return painter.end();
    });
}

QString paperProblem(const Pages &pages)
{
    if (pages.count() <= MostPages)
        return {};
    return QStringLiteral("le gabarit demanderait plus de %1 pages").arg(MostPages);
}

} // namespace template_pages
