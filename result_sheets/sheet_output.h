// SPDX-License-Identifier: GPL-3.0-or-later
// What a result sheet gives to the world beyond the screen: its picture on a page, for a printer
// or a PDF file, and its table as text for the clipboard.
#pragma once

#include <QList>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <string>
#include <utility>

class QPagedPaintDevice;
class QPdfWriter;
class QWidget;

namespace sheet_output
{

// The margins of a sheet's page, printed or saved: 10 mm on every side.
inline const QMarginsF PaperMargins{10, 10, 10, 10};

// The orientation in which a sheet of this size comes out largest within the page's margins:
// landscape for the 42-row sheet (617 x 385 pixels) on A4, portrait for the 24-row one.
QPageLayout::Orientation bestOrientation(QSizeF sheet, const QPageLayout &page);

// Paints the sheet's controls as they stand, the user's typing included, scaled uniformly to
// fill the printable area of the page and centred on it; the text stays text. No text cursor,
// selection or focus frame is drawn. Returns false when the page could not be painted.
bool paintSheet(QWidget &sheet, QPagedPaintDevice &page);

// The decimal separator of the regional settings, as the table writes positions: "," in
// France; "." where the settings give none.
std::string decimalSeparator();

// Writes a whole file to a temporary file beside the target that replaces it only once
// complete: an existing file is replaced whole or left as it was. Returns the reason, in French,
// when the file could not be written; an empty text on success.
QString writeFile(const QString &fileName, const QByteArray &contents);

// The longest file name, in bytes (on Windows, characters), that writeFile can give a file in this
// folder: the file system's limit less what its temporary file adds ("….pdf.Ab3xYz"); 248 on most
// systems.
int longestFileName(const QString &folder);

// A PDF document made in memory at 1200 dpi, its pages painted by `paint`; empty when it
// could not paint them.
QByteArray pdfDocument(const QString &title, const QPageLayout &layout,
                       const std::function<bool(QPdfWriter &)> &paint);

// Writes the sheet as a one-page PDF, to a temporary file beside the target that replaces it
// only once complete: an existing file is replaced whole or left as it was. Returns the
// reason, in French, when the file could not be written; an empty text on success.
QString savePdf(QWidget &sheet, const QString &fileName, const QString &title);

// "Zarlino Chromatique 650.pdf": the scale name and the length text, each character that a
// file name cannot hold on a usual system replaced by "_" ("Gamme :" gives "Gamme _"), and the
// extension.
QString proposedFileName(const QString &scaleName, const QString &lengthText,
                         const QString &suffix = QStringLiteral("pdf"));

// The table as a spreadsheet takes it, its cells separated by tabs: the title, "Longueur" and
// the length text, a header "Frette", "Position", "Note", then one line per fret, its number,
// its position and its note without trailing blanks; and the same cells as an HTML table.
struct TableText {
    QString plain;
    QString html;
};
struct Cell {
    int fret; // counted from the nut
    QString position;
    QString note;
};
TableText tableText(const QString &title, const QString &lengthText, const QList<Cell> &cells);

} // namespace sheet_output
