// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_output.h"

#include "files.h"
#include "pdf.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace sheet_output
{

namespace
{

// While the sheet is painted for paper: no box has the focus, so no text cursor blinks in it,
// and no text is selected. Everything is put back afterwards.
class PlainForPaper
{
public:
    explicit PlainForPaper(QWidget &sheet)
    {
        for (QLineEdit *edit : sheet.findChildren<QLineEdit *>()) {
            if (!edit->hasSelectedText())
                continue;
            selections.push_back(
                {edit, edit->selectionStart(), edit->selectionLength(), edit->cursorPosition()});
            edit->deselect();
        }
        QWidget *focus = QApplication::focusWidget();
        if (focus && sheet.isAncestorOf(focus)) {
            focused = focus;
            focus->clearFocus();
        }
    }
    ~PlainForPaper()
    {
        if (focused)
            focused->setFocus(Qt::OtherFocusReason);
        for (const Selection &s : selections) {
            if (!s.edit)
                continue;
            // Selected from its end towards its start when the cursor stood at the start.
            if (s.cursor == s.start)
                s.edit->setSelection(s.start + s.length, -s.length);
            else
                s.edit->setSelection(s.start, s.length);
        }
    }
    PlainForPaper(const PlainForPaper &) = delete;
    PlainForPaper &operator=(const PlainForPaper &) = delete;

private:
    struct Selection {
        QPointer<QLineEdit> edit;
        int start;
        int length;
        int cursor;
    };
    std::vector<Selection> selections;
    QPointer<QWidget> focused;
};

// The sheet's controls as drawing commands, not the window's background: the paper stays white
// around the cells. A widget painted straight onto a printer becomes one large bitmap; drawn
// from a picture, its texts stay texts and its lines lines.
QPicture pictureOf(QWidget &sheet)
{
    QPicture picture;
    QPainter recorder(&picture);
    for (QWidget *child : sheet.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && child->isVisible()) // not the print dialog, say
            child->render(&recorder, child->pos(), QRegion(), QWidget::DrawChildren);
    }
    recorder.end();
    return picture;
}

double fillingScale(QSizeF sheet, QSizeF area)
{
    return std::min(area.width() / sheet.width(), area.height() / sheet.height());
}

} // namespace

QPageLayout::Orientation bestOrientation(QSizeF sheet, const QPageLayout &page)
{
    QPageLayout portrait = page;
    portrait.setOrientation(QPageLayout::Portrait);
    QPageLayout landscape = page;
    landscape.setOrientation(QPageLayout::Landscape);
    const double upright = fillingScale(sheet, portrait.paintRectPoints().size());
    const double across = fillingScale(sheet, landscape.paintRectPoints().size());
    return across > upright ? QPageLayout::Landscape : QPageLayout::Portrait;
}

dorvane::Done paintSheet(QWidget &sheet, QPagedPaintDevice &page)
{
    const PlainForPaper plain(sheet);
    const dorvane::Failure notDrawn{dorvane::TemplateFault::PagesNotDrawn};
    QPainter painter;
    if (!painter.begin(&page))
        return notDrawn;
    // The painter's origin is the top left of the printable area, in the page's own units.
    const QSizeF area(page.width(), page.height());
    const QSizeF size = sheet.size();
    const double scale = fillingScale(size, area);
    painter.translate((area.width() - size.width() * scale) / 2,
                      (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    const QPicture picture = pictureOf(sheet);
    // A picture is drawn at the page's resolution, as a document would be; its commands are in
    // the screen's pixels.
    painter.scale(double(picture.logicalDpiX()) / page.logicalDpiX(),
                  double(picture.logicalDpiY()) / page.logicalDpiY());
    painter.drawPicture(0, 0, picture);
    if (!painter.end())
        return notDrawn;
    return dorvane::Succeeded();
}

dorvane::Done savePdf(QWidget &sheet, const QString &fileName, const QString &title)
{
    // The whole document is made in memory first, then written in one piece.
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PaperMargins,
                       QPageLayout::Millimeter);
    layout.setOrientation(bestOrientation(sheet.size(), layout));
    const dorvane::Result<QByteArray> document = output::pdfDocument(
        title, layout, [&sheet](QPdfWriter &pdf) { return paintSheet(sheet, pdf); });
    if (!document)
        return document.failure();
    return files::writeFile(fileName, *document);
}

TableText tableText(const QString &title, const QString &lengthText, const QList<Cell> &cells)
{
    const auto withoutTrailingBlanks = [](QString text) {
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        return text;
    };
    TableText table;
    const auto line = [&table](const QStringList &texts, const char *cell) {
        table.plain += texts.join(QLatin1Char('\t')) + QLatin1Char('\n');
        table.html += QStringLiteral("<tr>");
        for (const QString &text : texts)
            table.html +=
                QStringLiteral("<%1>%2</%1>").arg(QLatin1String(cell), text.toHtmlEscaped());
        table.html += QStringLiteral("</tr>\n");
    };
    table.html = QStringLiteral("<meta charset=\"utf-8\"><table>\n");
    line({title}, "td");
    line({QStringLiteral("Longueur"), lengthText}, "td");
    line({QStringLiteral("Frette"), QStringLiteral("Position"), QStringLiteral("Note")}, "th");
    for (const Cell &cell : cells)
        line({QString::number(cell.fret), cell.position, withoutTrailingBlanks(cell.note)}, "td");
    table.html += QStringLiteral("</table>\n");
    return table;
}

} // namespace sheet_output
