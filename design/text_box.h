// SPDX-License-Identifier: GPL-3.0-or-later
// The text box of every window: a single-line box with the classic sunken border.
#pragma once

#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QRect>
#include <QString>

class QLineEdit;
class QWidget;

namespace design
{

// A single-line text box with its design name, place and font, and no length limit.
QLineEdit *textBox(QWidget *parent, const QString &name, QRect place, const QFont &font);

// Sets the text of a box the program fills and shows its beginning, not its end.
void setBoxText(QLineEdit *box, const QString &text);

// Names a fret's two boxes for screen readers, "Frette 8 : position" and "Frette 8 : note", the
// frets counted from the nut in the scale's own order, and says what each holds; fret 0 takes
// their names away, for boxes that are hidden.
void nameFretBoxes(QWidget *position, QWidget *note, int fret);

// Lets the window's commands on these keys run while the cursor is in one of its text boxes,
// spin boxes included: on X11 a text box takes Ctrl+E (end of line) for itself. For the boxes
// the window holds when it is called.
void commandsBeforeEditingKeys(QWidget *window, const QList<QKeySequence> &keys);

} // namespace design
