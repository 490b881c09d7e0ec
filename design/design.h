// SPDX-License-Identifier: GPL-3.0-or-later
// The units, fonts and colours in which the windows are designed.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QRect>

class QWidget;
class QLineEdit;

namespace design
{

// Places and sizes are designed in twips: 15 twips make one pixel at 96 dpi.
constexpr int pixels(int twips)
{
    return (twips + 7) / 15;
}

// A rectangle given in twips as left, top, width and height.
inline QRect twips(int left, int top, int width, int height)
{
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

// A bold design font, in the face that stands for its family here; 8.25 points are 11 pixels at
// 96 dpi, 9.75 are 13, 11.25 are 15. Needs prepareApplication first.
QFont font(const char *family, double points);

// The look and language of the program: the toolkit's own texts in French, its widget style,
// the faces that stand for the design's font families where the system lacks them, and the
// default font; call once the application exists, before any window is made.
void prepareApplication();

// Gives a control its design font. Most controls have the design's most common font, which is
// already every control's default: it is not set again, as each font set lays a control out.
void setFont(QWidget *widget, const QFont &font);

// A single-line text box with its design name, place and font, and no length limit.
QLineEdit *textBox(QWidget *parent, const QString &name, QRect place, const QFont &font);

// Names a fret's two boxes for screen readers, "Frette 8 : position" and "Frette 8 : note", the
// frets counted from the nut in the scale's own order, and says what each holds; fret 0 takes
// their names away, for boxes that are hidden.
void nameFretBoxes(QWidget *position, QWidget *note, int fret);

// Paints the widget's background, or the base of an editable box, in a colour.
void setBackground(QWidget *widget, const QColor &colour);

// Sets the text of a box the program fills and shows its beginning, not its end.
void setBoxText(QLineEdit *box, const QString &text);

// One of the program's pictures. An uncompressed 32-bit bitmap stored top-down is shown from the
// program's memory as it stands; any other is read by the toolkit's own reader for its format,
// as asked to guess the format the toolkit would first load every image plugin to offer it.
QImage picture(const char *resource);

// The program's icon, 32 and 16 pixels in 16 colours, of the main window and the about box.
QIcon windowIcon();

// The system's colours for the roles the design names: tooltip background, scroll bar, menu bar.
QColor tooltipBackground();
QColor scrollBarColour();
QColor menuBarColour();

} // namespace design
