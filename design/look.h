// SPDX-License-Identifier: GPL-3.0-or-later
// The units, fonts and colours in which the windows are designed, and the look and language of
// the application.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QAbstractButton;
class QDialogButtonBox;
class QPushButton;
class QWidget;

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

// Paints the widget's background, or the base of an editable box, in a colour.
void setBackground(QWidget *widget, const QColor &colour);

// Return and the keypad's Enter press the button while it has the focus, as Space does.
void pressOnEnter(QAbstractButton *button);

// A command button of a dialog's row of buttons, named for tests and screen readers, pressed by
// Enter while it has the focus and never by default.
QPushButton *commandButton(QDialogButtonBox *buttons, const char *name, const char *text);

// The system's colours for the roles the design names: tooltip background, scroll bar, menu bar.
QColor tooltipBackground();
QColor scrollBarColour();
QColor menuBarColour();

} // namespace design
