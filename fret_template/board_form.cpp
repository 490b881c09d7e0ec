// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_form.h"

#include "failures.h"
#include "form_cells.h"
#include "number_field.h"
#include "regional.h"
#include "stored_number.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

using namespace dorvane;

BoardForm::BoardForm(QWidget *parent) : QGroupBox(QStringLiteral("Manche"), parent)
{
    setObjectName(QStringLiteral("Manche"));
    Cordes = new QSpinBox(this);
    Cordes->setObjectName(QStringLiteral("Cordes"));
    Cordes->setRange(1, MostStrings);
    Cordes->setAccessibleName(QStringLiteral("Cordes"));
    Cordes->setToolTip(QStringLiteral("1 : la bande d'une corde ; de 2 à %1 : le manche entier, "
                                      "numéroté de l'aiguë (1) à la grave")
                           .arg(MostStrings));
    LongueurGrave =
        numberField("LongueurGrave", QStringLiteral("Longueur de la corde la plus grave"),
                    QStringLiteral("Vide, ou égale à la longueur vibrante : un manche droit ; "
                                   "plus longue : des frettes en éventail"));
    LongueurGrave->setOptional(true);
    uniteGrave = new QLabel(this);
    FrettePerpendiculaire = numberField(
        "FrettePerpendiculaire", QStringLiteral("Frette perpendiculaire"),
        QStringLiteral("La frette perpendiculaire à l'axe du manche : 0 pour le sillet, "
                       "décimales permises"));
    widths = {{{"ecartementSillet", QStringLiteral("Écartement au sillet")},
               {"ecartementChevalet", QStringLiteral("Écartement au chevalet")},
               {"debord", QStringLiteral("Débord")},
               {"finTouche", QStringLiteral("Fin de la touche")}}};
    const char *names[] = {"EcartementSillet", "EcartementChevalet", "Debord", "FinTouche"};
    const QString tips[] = {
        QStringLiteral("D'axe en axe, entre les cordes extrêmes, au sillet"),
        QStringLiteral("D'axe en axe, entre les cordes extrêmes, au chevalet"),
        QStringLiteral("Du bord de la touche à la corde extrême, à angle droit de la corde"),
        QStringLiteral("La touche au-delà de la dernière frette ; 0 : elle s'arrête sur elle")};
    for (std::size_t w = 0; w < widths.size(); ++w) {
        widths[w].field = numberField(names[w], widths[w].name, tips[w]);
        widths[w].unit = new QLabel(this);
        Width *width = &widths[w];
        connect(width->field, &NumberField::valueEdited, this, [this, width] {
            if (const auto value = width->field->value())
                width->mm = DoubleFromCurrency(*value) * InfoOf(unitShown).millimetres;
            emit changed();
        });
    }
    AccordCordes = new QLineEdit(this);
    AccordCordes->setObjectName(QStringLiteral("AccordCordes"));
    AccordCordes->setAccessibleName(QStringLiteral("Accord des cordes"));
    AccordCordes->setToolTip(QStringLiteral(
        "Le degré de la gamme de chaque corde à vide, de la corde 1 à la dernière : "
        "« Mi Si Sol Ré La Mi » ou « 4,11,7,2,9,4 ». Chaque corde a alors ses frettes, coupées "
        "là où les cordes diffèrent ; vide : toutes les cordes sur le premier degré"));
    Gaucher = new QCheckBox(QStringLiteral("Gauc&her"), this);
    Gaucher->setObjectName(QStringLiteral("Gaucher"));
    Gaucher->setToolTip(QStringLiteral("Le dessin en miroir, de part et d'autre de l'axe"));
    layOut();
    connect(Cordes, &QSpinBox::valueChanged, this, &BoardForm::Cordes_Change);
    connect(LongueurGrave, &NumberField::valueEdited, this, &BoardForm::changed);
    connect(FrettePerpendiculaire, &NumberField::valueEdited, this, &BoardForm::changed);
    connect(Gaucher, &QCheckBox::toggled, this, &BoardForm::changed);
    connect(AccordCordes, &QLineEdit::textEdited, this, &BoardForm::changed);
}

NumberField *BoardForm::numberField(const char *name, const QString &accessibleName,
                                    const QString &toolTip)
{
    auto *field = new NumberField(QString::fromLatin1(name), output::decimalSeparator(), this);
    field->setAccessibleName(accessibleName);
    field->setToolTip(toolTip);
    return field;
}

// Two fields a line, as in the rest of the dialog.
void BoardForm::layOut()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->setVerticalSpacing(2);
    grid->addWidget(buddied(QStringLiteral("&Cordes :"), Cordes, this), 0, 0);
    auto *strings = new QWidget(this);
    auto *line = new QHBoxLayout(strings);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(Cordes, 1);
    line->addWidget(Gaucher);
    grid->addWidget(strings, 0, 1);
    grid->addWidget(
        buddied(QStringLiteral("Frette perpe&ndiculaire :"), FrettePerpendiculaire, this), 0, 2);
    grid->addWidget(FrettePerpendiculaire, 0, 3);
    grid->addWidget(
        buddied(QStringLiteral("Longueur de la corde la plus gra&ve :"), LongueurGrave, this), 1,
        0);
    grid->addWidget(withUnit(LongueurGrave, uniteGrave, this), 1, 1);
    grid->addWidget(buddied(QStringLiteral("Acc&ord des cordes :"), AccordCordes, this), 1, 2);
    grid->addWidget(AccordCordes, 1, 3);
    const QString labels[] = {QStringLiteral("Éc&artement au sillet :"),
                              QStringLiteral("Écartement au chevale&t :"),
                              QStringLiteral("Dé&bord :"), QStringLiteral("Fin de la touch&e :")};
    for (int w = 0; w < int(widths.size()); ++w) {
        const Width &width = widths[std::size_t(w)];
        grid->addWidget(buddied(labels[w], width.field, this), 2 + w / 2, 2 * (w % 2));
        grid->addWidget(withUnit(width.field, width.unit, this), 2 + w / 2, 2 * (w % 2) + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    setTabOrder(Cordes, Gaucher);
    setTabOrder(Gaucher, FrettePerpendiculaire);
    setTabOrder(FrettePerpendiculaire, LongueurGrave);
    setTabOrder(LongueurGrave, AccordCordes);
    QWidget *before = AccordCordes;
    for (const Width &width : widths) {
        setTabOrder(before, width.field);
        before = width.field;
    }
}

int BoardForm::strings() const
{
    return Cordes->value();
}

void BoardForm::setScale(const Degrees &scale)
{
    degrees = scale;
    AccordCordes->setPlaceholderText(degrees.notes.empty() ? QStringLiteral("0 0 0 0 0 0")
                                                           : QStringLiteral("Mi Si Sol Ré La Mi"));
    Cordes_Change();
}

// With one string the board's own fields wait, greyed.
void BoardForm::Cordes_Change()
{
    const bool board = strings() > 1;
    for (QWidget *field :
         std::initializer_list<QWidget *>{LongueurGrave, FrettePerpendiculaire, Gaucher})
        field->setEnabled(board);
    for (const Width &width : widths)
        width.field->setEnabled(board);
    AccordCordes->setEnabled(board && !degrees.factors.empty());
    emit changed();
}

void BoardForm::showUnit(Unit unit)
{
    unitShown = unit;
    const QString shown = QString::fromUtf8(InfoOf(unit).shown.data());
    uniteGrave->setText(shown);
    for (const Width &width : widths) {
        width.field->setValue(CurrencyFromDouble(width.mm / InfoOf(unit).millimetres));
        width.unit->setText(shown);
    }
}

BoardSettings BoardForm::reading(QString &problem) const
{
    BoardSettings board;
    board.strings = strings();
    if (board.strings == 1)
        return board;
    const auto field = [&](const NumberField *box, const QString &name) {
        if (problem.isEmpty() && !box->problem().isEmpty())
            problem = QStringLiteral("%1 : %2").arg(name, box->problem());
        return box->value().value_or(Currency());
    };
    if (!LongueurGrave->text().trimmed().isEmpty())
        board.bassLength =
            field(LongueurGrave, QStringLiteral("Longueur de la corde la plus grave"));
    board.perpendicular =
        DoubleFromCurrency(field(FrettePerpendiculaire, QStringLiteral("Frette perpendiculaire")));
    Currency *values[] = {&board.nutSpan, &board.bridgeSpan, &board.overhang, &board.boardEnd};
    for (std::size_t w = 0; w < widths.size(); ++w)
        *values[w] = field(widths[w].field, widths[w].name);
    board.leftHanded = Gaucher->isChecked();
    if (!AccordCordes->text().trimmed().isEmpty() && !degrees.factors.empty()) {
        const Result<std::vector<int>> tuning =
            ReadTuning(AccordCordes->text().toStdString(), degrees, board.strings);
        if (!tuning && problem.isEmpty())
            problem = QStringLiteral("Accord des cordes : %1")
                          .arg(output::describe(tuning.failure(), output::decimalSeparator()));
        if (tuning)
            board.tuning = {degrees, *tuning};
    }
    return board;
}

void BoardForm::recall(const QSettings &stored, Unit storedUnit)
{
    const BoardSettings usual = DefaultBoard(Unit::Millimetre);
    const Currency usualWidths[] = {usual.nutSpan, usual.bridgeSpan, usual.overhang,
                                    usual.boardEnd};
    for (std::size_t w = 0; w < widths.size(); ++w) {
        const auto value = storedNumber(stored, QString::fromLatin1(widths[w].key));
        widths[w].mm = value ? DoubleFromCurrency(*value) * InfoOf(storedUnit).millimetres
                             : DoubleFromCurrency(usualWidths[w]);
    }
    if (const auto bass = storedNumber(stored, QStringLiteral("longueurGrave")))
        LongueurGrave->setValue(*bass);
    FrettePerpendiculaire->setValue(
        storedNumber(stored, QStringLiteral("frettePerpendiculaire")).value_or(Currency()));
    Gaucher->setChecked(stored.value(QStringLiteral("gaucher")).toBool());
    AccordCordes->setText(stored.value(QStringLiteral("accord")).toString());
    Cordes->setValue(stored.value(QStringLiteral("cordes"), 1).toInt());
    Cordes_Change();
    showUnit(storedUnit);
}

void BoardForm::remember(QSettings &stored) const
{
    stored.setValue(QStringLiteral("cordes"), strings());
    if (LongueurGrave->text().trimmed().isEmpty())
        stored.remove(QStringLiteral("longueurGrave"));
    else if (const auto bass = LongueurGrave->value())
        storeNumber(stored, QStringLiteral("longueurGrave"), *bass);
    if (const auto fret = FrettePerpendiculaire->value())
        storeNumber(stored, QStringLiteral("frettePerpendiculaire"), *fret);
    for (const Width &width : widths) {
        if (const auto value = width.field->value())
            storeNumber(stored, QString::fromLatin1(width.key), *value);
    }
    stored.setValue(QStringLiteral("gaucher"), Gaucher->isChecked());
    stored.setValue(QStringLiteral("accord"), AccordCordes->text());
}
