// SPDX-License-Identifier: GPL-3.0-or-later
// The section "Manche" of the template dialog: how many strings, the lowest one's length, the
// perpendicular fret, the spans at the nut and at the bridge, the overhang, the board's end and
// the hand. With one string the template is the strip, and the other fields wait, greyed. The
// widths follow the dialog's unit; the lowest string's length is typed in the unit of the
// length, as the length is.
#pragma once

#include "fret_template.h"

#include <QGroupBox>
#include <array>

class NumberField;
class QCheckBox;
class QLabel;
class QLineEdit;
class QSettings;
class QSpinBox;

class BoardForm : public QGroupBox
{
    Q_OBJECT

public:
    explicit BoardForm(QWidget *parent);

    // The board the fields give, in the unit shown; `problem` says why a field cannot be read,
    // naming it, unless it already says something. One string reads no other field.
    dorvane::BoardSettings reading(QString &problem) const;
    int strings() const;
    // The scale's degrees, to which "Accord des cordes" tunes the strings; none: it waits.
    void setScale(const dorvane::Degrees &degrees);

    // The widths in another unit: 35 mm become 3,5 cm.
    void showUnit(dorvane::Unit unit);

    // The fields from the program's preferences, each one missing or unreadable as it first was:
    // one string, a straight board, fret 0 perpendicular and a guitar's spans; then stored back.
    // `stored` is the dialog's group; its widths are in `storedUnit`.
    void recall(const QSettings &stored, dorvane::Unit storedUnit);
    void remember(QSettings &stored) const;

signals:
    void changed();

private slots:
    void Cordes_Change();

private:
    void layOut();

    // A width that follows the unit, and what it was last typed as, in millimetres.
    struct Width {
        const char *key; // its name in the preferences
        QString name;    // as a message names it
        NumberField *field = nullptr;
        QLabel *unit = nullptr;
        double mm = 0;
    };
    NumberField *numberField(const char *name, const QString &accessibleName,
                             const QString &toolTip);

    dorvane::Unit unitShown = dorvane::Unit::Millimetre;
    QSpinBox *Cordes;
    NumberField *LongueurGrave;
    QLabel *uniteGrave;
    NumberField *FrettePerpendiculaire;
    std::array<Width, 4> widths; // at the nut, at the bridge, the overhang and the board's end
    QCheckBox *Gaucher;
    QLineEdit *AccordCordes;
    dorvane::Degrees degrees;
};
