// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_pages.h"

#include "pdf.h"
#include "regional.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygonF>
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

using Anchor = dorvane::TemplateText::Anchor;

// A text `heightMm` high, its baseline starting, centred or ending at `at`, across or upwards.
void drawText(QPainter &painter, QPointF at, double heightMm, bool vertical, Anchor anchor,
              const QString &text)
{
    static const QFont font = pageFont();
    painter.save();
    painter.translate(at);
    if (vertical)
        painter.rotate(-90);
    painter.scale(heightMm / GlyphPixels, heightMm / GlyphPixels);
    painter.setFont(font);
    const double advance =
        anchor == Anchor::Start ? 0 : QFontMetricsF(font).horizontalAdvance(text);
    painter.drawText(QPointF(anchor == Anchor::Middle ? -advance / 2 : -advance, 0), text);
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
            drawText(painter, QPointF(x, left.y() - 5), 2.2, false, Anchor::Middle,
                     QString::number(k / ruler.whole));
    }
    drawText(painter, left + QPointF(0, 5), 2.6, false, Anchor::Start,
             QString::fromUtf8(ruler.sentence));
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

Pages::Pages(dorvane::FretTemplate fretTemplate, PageSettings settings)
    : t(std::move(fretTemplate)), settings(settings), mm(dorvane::InfoOf(t.unit).millimetres),
      stretch(100.0 / DoubleFromCurrency(settings.ruler))
{
    const QSizeF size = paperMm();
    width = 2 * MarginMm + (size.width() - 2 * MarginMm) / stretch;
    area = QRectF(MarginMm, HeaderMm, width - 2 * MarginMm, size.height() - HeaderMm - FooterMm);
    const double across = DoubleFromCurrency(t.right - t.left) * mm;
    const double height = DoubleFromCurrency(t.bottom - t.top) * mm;
    const auto tiles = [](double extent, double room) {
        const double more = std::ceil((extent - room) / (room - OverlapMm));
        return extent <= room ? 1 : int(std::min(more, double(MostPages))) + 1;
    };
    columns = tiles(across, area.width());
    rows = tiles(height, area.height());
    // A template that fits in one page's width or height stands in its middle.
    if (columns == 1)
        area.adjust((area.width() - across) / 2, 0, 0, 0);
    if (rows == 1)
        area.adjust(0, (area.height() - height) / 2, 0, 0);
}

QSizeF Pages::paperMm() const
{
    return settings.paper == Paper::Letter ? QSizeF(279.4, 215.9) : QSizeF(297, 210);
}

QPageLayout Pages::layout() const
{
    const QPageSize size(settings.paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
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
    // The printer's millimetres from the left margin on: stretched along the strip.
    painter.translate(MarginMm, 0);
    painter.scale(stretch, 1);
    painter.translate(-MarginMm, 0);
    // Lines of a fifth of a millimetre, and at least a pixel wide on a small preview.
    painter.setPen(QPen(Qt::black, std::max(LineMm, 0.8 / pixelsPerMm)));
    painter.setBrush(Qt::NoBrush);
    paintFrame(painter, index);
    const int column = index % columns;
    const int row = index / columns;
    painter.setClipRect(
        QRectF(MarginMm, HeaderMm, width - 2 * MarginMm, paperMm().height() - HeaderMm - FooterMm));
    paintTemplate(painter, column, row);
    paintMarks(painter, column, row);
    painter.restore();
}

// "Gabarit 1:1 · Zarlino Chromatique, longueur 650 mm · page 1 / 3", and for a corrected
// printer " · corrigé pour une impression à 98,0 %".
QString Pages::heading(int index) const
{
    QString heading = QStringLiteral("Gabarit 1:1 · %1 · page %2 / %3")
                          .arg(QString::fromStdString(t.title))
                          .arg(index + 1)
                          .arg(count());
    if (settings.corrected()) {
        const double percent = DoubleFromCurrency(settings.ruler);
        const bool tenths = std::nearbyint(percent * 10) == percent * 10;
        QString shown = QString::number(percent, 'f', tenths ? 1 : 2);
        shown.replace(QLatin1Char('.'), QString::fromStdString(output::decimalSeparator()));
        heading += QStringLiteral(" · corrigé pour une impression à %1 %").arg(shown);
    }
    return heading;
}

void Pages::paintFrame(QPainter &painter, int index) const
{
    const QSizeF size(width, paperMm().height());
    drawText(painter, QPointF(MarginMm, MarginMm + 3.5), 3.5, false, Anchor::Start, heading(index));
    drawText(painter, QPointF(MarginMm, MarginMm + 9), 2.8, false, Anchor::Start,
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

// The board: its outline, nut, bridge, strings, frets and slots, then the texts.
void Pages::paintBoard(QPainter &painter, int column, int row) const
{
    const auto at = [&](dorvane::Point p) { return onPage(p.x, p.y, column, row); };
    const auto polygon = [&](const auto &points) {
        QPolygonF shape;
        for (const dorvane::Point &p : points)
            shape << at(p);
        painter.drawPolygon(shape);
    };
    const dorvane::Fingerboard &board = *t.board;
    polygon(board.outline);
    for (const dorvane::Segment &s : {board.nut, board.bridge})
        painter.drawLine(at(s.from), at(s.to));
    for (const dorvane::BoardString &string : board.strings)
        painter.drawLine(at(string.nut), at(string.bridge));
    for (const dorvane::BoardFret &fret : board.frets) {
        painter.drawLine(at(fret.line.from), at(fret.line.to));
        if (t.slot > Currency())
            polygon(dorvane::SlotOf(fret.line, t.slot));
    }
    for (const dorvane::TemplateText &text : t.texts)
        drawText(painter, at({DoubleFromCurrency(text.x), DoubleFromCurrency(text.y)}),
                 DoubleFromCurrency(text.height) * mm, text.vertical, text.anchor,
                 QString::fromStdString(text.text));
}

void Pages::paintTemplate(QPainter &painter, int column, int row) const
{
    if (t.board) {
        paintBoard(painter, column, row);
        return;
    }
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
        return page >= MarginMm - beyondMm && page <= width - MarginMm + beyondMm;
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
                     text.vertical, text.anchor, QString::fromStdString(text.text));
}

// Marks in the middle of each overlap, in the room the template keeps free above and below its
// labels, or beside the area for rows; the same marks on both pages that share the overlap.
void Pages::paintMarks(QPainter &painter, int column, int row) const
{
    const double room = dorvane::MarkRoomMm / 2;
    const double top = onPage(0, DoubleFromCurrency(t.top), column, row).y() + room;
    const double bottom = onPage(0, DoubleFromCurrency(t.bottom), column, row).y() - room;
    for (int c = 0; c + 1 < columns; ++c) {
        const double x = area.left() + (c + 1) * (area.width() - OverlapMm) + OverlapMm / 2 -
                         column * (area.width() - OverlapMm);
        for (double y : {top, bottom})
            paintMark(painter, QPointF(x, y));
    }
    for (int r = 0; r + 1 < rows; ++r) {
        const double y = area.top() + (r + 1) * (area.height() - OverlapMm) + OverlapMm / 2 -
                         row * (area.height() - OverlapMm);
        for (double x : {MarginMm + 4, width - MarginMm - 4})
            paintMark(painter, QPointF(x, y));
    }
}

dorvane::Result<QByteArray> pdfDocument(const Pages &pages, const QString &title)
{
    return output::pdfOf(pages, title);
}

dorvane::Done checkPages(const Pages &pages)
{
    if (pages.count() <= MostPages)
        return dorvane::Succeeded();
    return dorvane::Failure{dorvane::TemplateFault::TooManyPages, {}, {}, MostPages};
}

} // namespace template_pages
