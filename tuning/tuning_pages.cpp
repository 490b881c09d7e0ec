// SPDX-License-Identifier: GPL-3.0-or-later
#include "tuning_pages.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <cmath>
#include <optional>

namespace tuning_pages
{

namespace
{

constexpr double PaperWidthMm = 210, PaperHeightMm = 297, MarginMm = 15;
constexpr double WidthMm = PaperWidthMm - 2 * MarginMm, HeightMm = PaperHeightMm - 2 * MarginMm;
constexpr double LargestPoints = 11, SmallestPoints = 8;
constexpr double PaddingMm = 1.5;
constexpr double MmPerPoint = 25.4 / 72;
constexpr double FooterMm = 7;
constexpr int NameColumn = 1; // the notes, set to the left; figures to the right

// Where texts are measured: a device of a hundred pixels to the millimetre.
const QImage &measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(100000);
        image.setDotsPerMeterY(100000);
        return image;
    }();
    return device;
}

QFont typeOf(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

double widthMm(const QString &text, const QFont &font)
{
    return QFontMetricsF(font, &measuringDevice()).horizontalAdvance(text) / 100;
}

double rowHeightMm(double points)
{
    return points * MmPerPoint * 1.5;
}

// The columns' least widths at a size: their widest cell, and their headers' longest word.
QList<double> naturalWidths(const TableText &text, double points)
{
    const QFont plain = typeOf(points, false), bold = typeOf(points, true);
    QList<double> widths;
    for (qsizetype c = 0; c < text.headers.size(); ++c) {
        double widest = 0;
        for (const QString &word : text.headers[c].split(QLatin1Char(' ')))
            widest = std::max(widest, widthMm(word, bold));
        for (const QStringList &row : text.rows)
            widest = std::max(widest, widthMm(row.value(c), plain));
        widths << widest + 2 * PaddingMm;
    }
    return widths;
}

double sum(const QList<double> &values)
{
    double total = 0;
    for (double value : values)
        total += value;
    return total;
}

} // namespace

TablePages::TablePages(TableText shown) : text(std::move(shown))
{
    // The largest type, from 11 points down to 8, in which every column fits the width and, if
    // any can, every row one page; otherwise the largest in which the columns fit.
    std::optional<double> fitsWidth;
    for (double size = LargestPoints; size >= SmallestPoints; size -= 0.5) {
        layOut(size);
        if (sum(naturalWidths(text, size)) > WidthMm)
            continue;
        if (text.rows.size() <= perPage)
            return;
        if (!fitsWidth)
            fitsWidth = size;
    }
    layOut(fitsWidth.value_or(SmallestPoints));
}

// The columns at a size of type, sharing what the width leaves, their headers wrapped, and the
// rows a page then holds.
void TablePages::layOut(double size)
{
    points = size;
    widths = naturalWidths(text, points);
    const double scale = WidthMm / sum(widths);
    for (double &width : widths)
        width *= scale;
    const QFontMetricsF metrics(typeOf(points, true), &measuringDevice());
    headerLines = 1;
    for (qsizetype c = 0; c < text.headers.size(); ++c) {
        const QRectF room(0, 0, (widths[c] - 2 * PaddingMm) * 100, 1e6);
        const double lines =
            metrics.boundingRect(room, Qt::TextWordWrap, text.headers[c]).height() /
            metrics.lineSpacing();
        headerLines = std::max(headerLines, int(std::lround(lines)));
    }
    const double room = HeightMm - heightOfTop() - headerLines * rowHeightMm(points) - FooterMm;
    perPage = std::max(1, int(room / rowHeightMm(points)));
}

QPageLayout TablePages::layout() const
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
}

int TablePages::count() const
{
    return std::max<int>(1, int((text.rows.size() + perPage - 1) / perPage));
}

// The title and the lines under it, and a gap.
double TablePages::heightOfTop() const
{
    return rowHeightMm(points + 3) + text.lines.size() * rowHeightMm(points) + 3;
}

// The type at its size in points, in whole pixels of the page, never below the size: 8 points
// at 1200 dots to the inch are 133.3 pixels, 134.
QFont TablePages::font(double pointSize, bool bold, double pixelsPerMm) const
{
    QFont shown = typeOf(pointSize, bold);
    shown.setPixelSize(std::max(1, int(std::ceil(pointSize * MmPerPoint * pixelsPerMm - 1e-6))));
    return shown;
}

void TablePages::paintHeaders(QPainter &painter, double top, double mm) const
{
    const double height = headerLines * rowHeightMm(points);
    painter.fillRect(QRectF(MarginMm * mm, top * mm, WidthMm * mm, height * mm),
                     QColor(225, 225, 225));
    painter.setFont(font(points, true, mm));
    double left = MarginMm;
    for (qsizetype c = 0; c < text.headers.size(); ++c) {
        const QRectF cell((left + PaddingMm) * mm, top * mm, (widths[c] - 2 * PaddingMm) * mm,
                          height * mm);
        painter.drawText(cell, Qt::AlignCenter | Qt::TextWordWrap, text.headers[c]);
        left += widths[c];
    }
    painter.drawLine(QPointF(MarginMm * mm, (top + height) * mm),
                     QPointF((MarginMm + WidthMm) * mm, (top + height) * mm));
}

void TablePages::paintRow(QPainter &painter, const QStringList &row, double top, bool shaded,
                          double mm) const
{
    const double height = rowHeightMm(points);
    if (shaded)
        painter.fillRect(QRectF(MarginMm * mm, top * mm, WidthMm * mm, height * mm),
                         QColor(245, 245, 245));
    double left = MarginMm;
    for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c) {
        const QRectF cell((left + PaddingMm) * mm, top * mm, (widths[c] - 2 * PaddingMm) * mm,
                          height * mm);
        const Qt::Alignment side = c == NameColumn ? Qt::AlignLeft : Qt::AlignRight;
        painter.drawText(cell, side | Qt::AlignVCenter, row[c]);
        left += widths[c];
    }
}

void TablePages::paint(QPainter &painter, int index, double mm) const
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0.2 * mm));
    double top = MarginMm;
    painter.setFont(font(points + 3, true, mm));
    painter.drawText(QPointF(MarginMm * mm, (top + (points + 3) * MmPerPoint) * mm), text.title);
    top += rowHeightMm(points + 3);
    painter.setFont(font(points, false, mm));
    for (const QString &line : text.lines) {
        painter.drawText(QPointF(MarginMm * mm, (top + points * MmPerPoint) * mm), line);
        top += rowHeightMm(points);
    }
    top += 3;
    const double tableTop = top;
    paintHeaders(painter, top, mm);
    top += headerLines * rowHeightMm(points);
    painter.setFont(font(points, false, mm));
    const qsizetype first = qsizetype(index) * perPage;
    const qsizetype last = std::min<qsizetype>(text.rows.size(), first + perPage);
    for (qsizetype r = first; r < last; ++r) {
        paintRow(painter, text.rows[r], top, (r - first) % 2 == 1, mm);
        top += rowHeightMm(points);
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(MarginMm * mm, tableTop * mm, WidthMm * mm, (top - tableTop) * mm));
    if (count() > 1) {
        painter.setFont(font(SmallestPoints, false, mm));
        painter.drawText(QRectF(MarginMm * mm, (PaperHeightMm - MarginMm - FooterMm + 2) * mm,
                                WidthMm * mm, (FooterMm - 2) * mm),
                         Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("page %1 / %2").arg(index + 1).arg(count()));
    }
    painter.restore();
}

} // namespace tuning_pages
