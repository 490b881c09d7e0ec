// SPDX-License-Identifier: GPL-3.0-or-later
// The fields of the template dialog: the unit of the length, the widths of the strip and of the
// slots, the paper, what the 100 mm ruler measured on the user's printer, and the board of
// several strings. The widths follow the unit; every field is remembered from one session to
// the next.
#pragma once

#include "template_pages.h"

#include <QWidget>

class BoardForm;
class NumberField;
class QCheckBox;
class QComboBox;
class QLabel;

class TemplateForm : public QWidget
{
    Q_OBJECT

public:
    explicit TemplateForm(QWidget *parent);

    // What the fields give: the settings, or why they cannot be read, naming the field.
    struct Reading {
        dorvane::TemplateSettings settings;
        template_pages::PageSettings printed; // for the printer, corrected
        template_pages::PageSettings saved;   // for a PDF: corrected only when asked
        QString problem;                      // "Largeur des fentes : « 0.6.1 » n'est pas…"
    };
    Reading reading() const;
    dorvane::Unit unit() const { return unitShown; }
    // No board where the other strings' tables cannot be had: the template stays a strip; the
    // degrees of the scale, to which the strings can be tuned.
    void allowBoard(bool allowed, const dorvane::Degrees &degrees);

    // Stores every field that reads, for the next time the dialog opens.
    void remember() const;

signals:
    void changed();

private slots:
    void Unite_Change();

private:
    void layOut();
    void recall();
    NumberField *widthField(const char *name, const QString &accessibleName);
    void showUnit();

    dorvane::Unit unitShown = dorvane::Unit::Millimetre;
    // The widths as last typed, in millimetres, so that a round trip through other units gives
    // back what was typed: 0.6 mm, 0.06 cm, 0.0236 in, then 0.6 mm again.
    double stripMm = 60;
    double slotMm = 0;

    QComboBox *Unite;
    NumberField *Largeur;
    QLabel *uniteLargeur;
    NumberField *Fente;
    QLabel *uniteFente;
    QComboBox *Papier;
    NumberField *Regle;
    QCheckBox *CorrigerPdf;
    BoardForm *board;
};
