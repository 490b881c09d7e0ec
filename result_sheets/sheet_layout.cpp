// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_layout.h"

#include "design.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

namespace
{

constexpr int CellPitch = 480;
constexpr int FirstColumnTop = 1440; // below the headers and the length line
constexpr int OtherColumnTop = 480;
constexpr int ColumnPitch = 2280;
constexpr int PositionLeft = 120;
constexpr int NoteLeft = 1680;
constexpr int PositionWidth = 1455;
constexpr int NoteWidth = 615;
constexpr int CellHeight = 405;
constexpr int RuleTop = 360;

QLabel *header(QWidget *parent, const char *name, const QString &caption, QRect place,
               const QColor &background)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    design::setFont(label, design::font("Arial", 11.25));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    design::setBackground(label, background);
    return label;
}

// A line one pixel wide in the window-text colour.
void line(QWidget *parent, const char *name, QRect place)
{
    auto *l = new QWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    design::setBackground(l, parent->palette().color(QPalette::WindowText));
}

// The scale name, the two headers and the length line; returns the "Diap." box.
QLineEdit *layOutHeading(const SheetDesign &d, QWidget *controls, SheetCells &cells)
{
    cells.scaleName = new QLabel(controls);
    cells.scaleName->setObjectName(QStringLiteral("Label3"));
    cells.scaleName->setGeometry(design::twips(120, 120, 4455, 255));
    design::setFont(cells.scaleName, design::font("Arial", d.scaleNamePoints));
    QPalette names = cells.scaleName->palette();
    names.setColor(QPalette::WindowText, names.color(QPalette::ButtonText));
    cells.scaleName->setPalette(names);

    const QColor noteColour = design::tooltipBackground();
    header(controls, d.lengthHeader, QStringLiteral(" Longueur"),
           design::twips(120, 480, 1455, 375), controls->palette().color(QPalette::Base));
    header(controls, d.noteHeader, QStringLiteral("Note"), design::twips(1680, 480, 615, 375),
           noteColour);

    cells.length = design::textBox(controls, QString::fromLatin1(d.lengthCell),
                                   design::twips(PositionLeft, 960, PositionWidth, CellHeight),
                                   design::font("Times New Roman", 12));
    QLineEdit *lengthLabel = design::textBox(controls, QString::fromLatin1(d.lengthLabelCell),
                                             design::twips(NoteLeft, 960, NoteWidth, CellHeight),
                                             design::font("Arial", 9.75));
    design::setBoxText(lengthLabel, QStringLiteral("Diap."));
    design::setBackground(lengthLabel, noteColour);
    cells.length->setAccessibleName(QStringLiteral("Longueur vibrante"));
    cells.length->setAccessibleDescription(QStringLiteral("La longueur telle qu'elle est tapée"));
    lengthLabel->setAccessibleName(QStringLiteral("Diapason"));
    return lengthLabel;
}

// The cells fill the columns downwards, in ascending row order, column 0 below the length
// line and the others from the top; the keyboard follows them. Returns the last note cell.
QLineEdit *layOutCells(const SheetDesign &d, QWidget *controls, SheetCells &cells)
{
    const QFont positionFont = design::font("Times New Roman", 12);
    const QFont noteFont = design::font("Arial", 9.75);
    const QFont narrowNoteFont = design::font("MS Sans Serif", 9.75);
    QLineEdit *previous = cells.length;
    int column = 0;
    int inColumn = 0;
    int fret = 0; // the cells follow the frets from the nut
    for (const design::RowRange &range : d.rows) {
        for (int i = range.first; i <= range.last; ++i) {
            if (inColumn == d.cellsPerColumn[column]) {
                ++column;
                inColumn = 0;
            }
            const int top = (column == 0 ? FirstColumnTop : OtherColumnTop) + CellPitch * inColumn;
            const int shift = ColumnPitch * column;
            QLineEdit *position = design::textBox(
                controls, QStringLiteral("Text1(%1)").arg(i),
                design::twips(PositionLeft + shift, top, PositionWidth, CellHeight), positionFont);
            const bool narrow =
                std::find(d.narrowNotes.begin(), d.narrowNotes.end(), i) != d.narrowNotes.end();
            QLineEdit *note =
                design::textBox(controls, QStringLiteral("Tex1(%1)").arg(i),
                                design::twips(NoteLeft + shift, top, NoteWidth, CellHeight),
                                narrow ? narrowNoteFont : noteFont);
            design::setBackground(note, design::tooltipBackground());
            design::nameFretBoxes(position, note, ++fret);
            QWidget::setTabOrder(previous, position);
            QWidget::setTabOrder(position, note);
            cells.positions[i] = position;
            cells.notes[i] = note;
            previous = note;
            ++inColumn;
        }
    }
    return previous;
}

// The frame and the rule under the scale name, one pixel wide.
void layOutLines(const SheetDesign &d, QWidget *controls)
{
    const int width = controls->width();
    const int height = controls->height();
    line(controls, d.lineNames[0], QRect(0, 0, 1, height));
    line(controls, d.lineNames[1], QRect(0, 0, width, 1));
    line(controls, d.lineNames[2], QRect(width - 1, 0, 1, height));
    line(controls, d.lineNames[3], QRect(0, height - 1, width, 1));
    line(controls, d.lineNames[4], QRect(0, design::pixels(RuleTop), width, 1));
}

} // namespace

SheetCells layOutSheet(const SheetDesign &design, QWidget *controls, QObject *cellEvents)
{
    SheetCells cells;
    QLineEdit *lengthLabel = layOutHeading(design, controls, cells);
    QWidget::setTabOrder(layOutCells(design, controls, cells), lengthLabel);
    layOutLines(design, controls);
    for (QLineEdit *box : controls->findChildren<QLineEdit *>())
        box->installEventFilter(cellEvents);
    controls->show();
    if (auto *first = controls->findChild<QWidget *>(QString::fromLatin1(design.firstFocus)))
        first->setFocus();
    return cells;
}
