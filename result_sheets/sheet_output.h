// SPDX-License-Identifier: GPL-3.0-or-later
// What a result sheet gives to the world beyond the screen: its picture on a page, for a printer
// or a PDF file, and its table as text for the clipboard.
#pragma once

#include "result.h"

#include <QList>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
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
// selection or focus frame is drawn; PagesNotDrawn when the page could not be painted.
dorvane::Done paintSheet(QWidget &sheet, QPagedPaintDevice &page);

// Writes the sheet as a one-page PDF, whole or not at all, as files::writeFile writes files.
dorvane::Done savePdf(QWidget &sheet, const QString &fileName, const QString &title);

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
