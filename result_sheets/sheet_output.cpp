// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_output.h"

#include "platform.h"
#include "version.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPointer>
#include <QSaveFile>
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

// Why a file could not be opened for writing, in the user's words: nothing was written.
QString openFailure(const QFileInfo &target, const QString &folder)
{
    if (!QFileInfo(folder).isWritable())
        return QStringLiteral("vous n'avez pas le droit d'écrire dans le dossier « %1 »")
            .arg(QDir::toNativeSeparators(folder));
    if (target.exists() && !target.isWritable()) {
        const bool readOnly = !(target.permissions() & (QFile::WriteOwner | QFile::WriteUser |
                                                        QFile::WriteGroup | QFile::WriteOther));
        return readOnly ? QStringLiteral("le fichier existant est en lecture seule ; il est resté "
                                         "tel quel")
                        : QStringLiteral("vous n'avez pas le droit de remplacer le fichier "
                                         "existant ; il est resté tel quel");
    }
    return QStringLiteral("le fichier n'a pas pu être créé dans le dossier « %1 »")
        .arg(QDir::toNativeSeparators(folder));
}

// Why a file opened could not be written whole, or put in place.
QString writeFailure(const QSaveFile &file)
{
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return QStringLiteral("le disque est plein");
    case QFileDevice::RenameError:
        return QStringLiteral("le nouveau fichier n'a pas pu remplacer l'ancien");
    default:
        return QStringLiteral("l'écriture a été interrompue (le disque est peut-être plein)");
    }
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

bool paintSheet(QWidget &sheet, QPagedPaintDevice &page)
{
    const PlainForPaper plain(sheet);
    QPainter painter;
    if (!painter.begin(&page))
        return false;
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
    return painter.end();
}

std::string decimalSeparator()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? std::string(".") : point.toStdString();
}

int longestFileName(const QString &folder)
{
    constexpr int TemporarySuffix = 7; // "." and six letters
    return platform::longestName(folder) - TemporarySuffix;
}

QString writeFile(const QString &fileName, const QByteArray &contents)
{
    const QFileInfo target(fileName);
    const QString folder = target.absolutePath();
    if (target.isDir())
        return QStringLiteral("ce nom est celui d'un dossier");
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("le dossier « %1 » n'existe pas")
            .arg(QDir::toNativeSeparators(folder));
    const int nameLength = platform::nameLength(target.fileName());
    if (const int longest = longestFileName(folder); nameLength > longest)
        return QStringLiteral("le nom du fichier est trop long : %1 %3, quand ce dossier en "
                              "admet %2 au plus")
            .arg(nameLength)
            .arg(longest)
            .arg(platform::nameLengthUnit());
    // Unbuffered, so that a failing write is seen at once and not lost in a late flush; a file
    // not committed is removed and the target stays as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return openFailure(target, folder);
    if (file.write(contents) != contents.size()) {
        const QString failure = writeFailure(file);
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return writeFailure(file);
    return QString();
}

QByteArray pdfDocument(const QString &title, const QPageLayout &layout,
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
            return {};
    }
    return document;
}

QString savePdf(QWidget &sheet, const QString &fileName, const QString &title)
{
    // The whole document is made in memory first, then written in one piece.
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, PaperMargins,
                       QPageLayout::Millimeter);
    layout.setOrientation(bestOrientation(sheet.size(), layout));
    const QByteArray document =
        pdfDocument(title, layout, [&sheet](QPdfWriter &pdf) { return paintSheet(sheet, pdf); });
    if (document.isEmpty())
        return QStringLiteral("la page n'a pas pu être dessinée");
    return writeFile(fileName, document);
}

QString proposedFileName(const QString &scaleName, const QString &lengthText, const QString &suffix)
{
    const auto cleaned = [](QString part) {
        for (QChar &c : part) {
            if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
                c = QLatin1Char('_');
        }
        return part.simplified();
    };
    QStringList parts;
    for (const QString &part : {cleaned(scaleName), cleaned(lengthText)}) {
        if (!part.isEmpty())
            parts << part;
    }
    if (parts.isEmpty())
        parts << QStringLiteral("Dorvane");
    return parts.join(QLatin1Char(' ')) + QLatin1Char('.') + suffix;
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
