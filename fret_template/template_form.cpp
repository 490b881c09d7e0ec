// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_form.h"

#include "board_form.h"
#include "form_cells.h"
#include "number_field.h"
#include "regional.h"
#include "stored_number.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSettings>
#include <algorithm>
#include <memory>

using namespace dorvane;

namespace
{

const Unit units[] = {Unit::Millimetre, Unit::Centimetre, Unit::Inch};

// The program's stored preferences: ~/.config/Dorvane/dorvane.conf on Linux.
std::unique_ptr<QSettings> preferences()
{
    auto settings =
        std::make_unique<QSettings>(QStringLiteral("Dorvane"), QStringLiteral("dorvane"));
    settings->beginGroup(QStringLiteral("Gabarit"));
    return settings;
}

} // namespace

TemplateForm::TemplateForm(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Reglages"));
    Unite = new QComboBox(this);
    Unite->setObjectName(QStringLiteral("Unite"));
    Unite->addItems({QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("pouces")});
    Unite->setToolTip(QStringLiteral("L'unité dans laquelle la longueur vibrante est tapée"));
    Largeur = widthField("Largeur", QStringLiteral("Largeur de la bande"));
    uniteLargeur = new QLabel(this);
    Fente = widthField("Fente", QStringLiteral("Largeur des fentes"));
    Fente->setToolTip(QStringLiteral("0 : des traits seuls ; 0,6 mm est une largeur courante"));
    uniteFente = new QLabel(this);
    Papier = new QComboBox(this);
    Papier->setObjectName(QStringLiteral("Papier"));
    Papier->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
    Regle = new NumberField(QStringLiteral("Regle"), output::decimalSeparator(), this);
    Regle->setAccessibleName(QStringLiteral("La règle de 100 mm mesure, en mm"));
    Regle->setToolTip(QStringLiteral("Imprimez une page à 100 % et mesurez sa règle de 100 mm : "
                                     "l'impression sera corrigée d'autant le long de la bande"));
    CorrigerPdf = new QCheckBox(QStringLiteral("C&orriger aussi le PDF"), this);
    CorrigerPdf->setObjectName(QStringLiteral("CorrigerPdf"));
    CorrigerPdf->setToolTip(
        QStringLiteral("Sans cette case, le PDF reste en taille réelle : la correction ne vaut "
                       "que pour votre imprimante"));
    board = new BoardForm(this);

    layOut();

    recall();
    connect(Unite, &QComboBox::currentIndexChanged, this, &TemplateForm::Unite_Change);
    connect(Largeur, &NumberField::valueEdited, this, [this] {
        if (const auto value = Largeur->value())
            stripMm = DoubleFromCurrency(*value) * InfoOf(unitShown).millimetres;
        emit changed();
    });
    connect(Fente, &NumberField::valueEdited, this, [this] {
        if (const auto value = Fente->value())
            slotMm = DoubleFromCurrency(*value) * InfoOf(unitShown).millimetres;
        emit changed();
    });
    connect(Regle, &NumberField::valueEdited, this, &TemplateForm::changed);
    connect(Papier, &QComboBox::currentIndexChanged, this, &TemplateForm::changed);
    connect(CorrigerPdf, &QCheckBox::toggled, this, &TemplateForm::changed);
    connect(board, &BoardForm::changed, this, [this] {
        Largeur->setEnabled(board->strings() == 1);
        emit changed();
    });
}

void TemplateForm::allowBoard(bool allowed, const Degrees &degrees)
{
    board->setEnabled(allowed);
    board->setScale(degrees);
}

// Two fields a line, each with its label and, for a length, its unit.
void TemplateForm::layOut()
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(buddied(QStringLiteral("&Unité de la longueur :"), Unite, this), 0, 0);
    grid->addWidget(Unite, 0, 1);
    grid->addWidget(buddied(QStringLiteral("&Papier :"), Papier, this), 0, 2);
    grid->addWidget(Papier, 0, 3);
    grid->addWidget(buddied(QStringLiteral("&Largeur de la bande :"), Largeur, this), 1, 0);
    grid->addWidget(withUnit(Largeur, uniteLargeur, this), 1, 1);
    grid->addWidget(buddied(QStringLiteral("Largeur des &fentes :"), Fente, this), 1, 2);
    grid->addWidget(withUnit(Fente, uniteFente, this), 1, 3);
    grid->addWidget(buddied(QStringLiteral("La &règle de 100 mm mesure :"), Regle, this), 2, 0);
    grid->addWidget(withUnit(Regle, new QLabel(QStringLiteral("mm"), this), this), 2, 1);
    grid->addWidget(CorrigerPdf, 2, 2, 1, 2);
    grid->addWidget(board, 3, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    setTabOrder(Unite, Papier);
    setTabOrder(Papier, Largeur);
    setTabOrder(Largeur, Fente);
    setTabOrder(Fente, Regle);
    setTabOrder(Regle, CorrigerPdf);
    setTabOrder(CorrigerPdf, board);
}

NumberField *TemplateForm::widthField(const char *name, const QString &accessibleName)
{
    auto *field = new NumberField(QString::fromLatin1(name), output::decimalSeparator(), this);
    field->setAccessibleName(accessibleName);
    return field;
}

// The fields as they were left, each one that is missing or unreadable as it first was: mm,
// 60 mm, no slot, the paper of the regional settings, a printer at 100 %.
void TemplateForm::recall()
{
    const auto stored = preferences();
    const QString unit = stored->value(QStringLiteral("unite")).toString();
    for (Unit u : units) {
        if (unit.compare(QString::fromLatin1(InfoOf(u).code.data()), Qt::CaseInsensitive) == 0)
            unitShown = u;
    }
    const double mm = InfoOf(unitShown).millimetres;
    if (const auto strip = storedNumber(*stored, QStringLiteral("largeurBande")))
        stripMm = DoubleFromCurrency(*strip) * mm;
    if (const auto slot = storedNumber(*stored, QStringLiteral("largeurFentes")))
        slotMm = DoubleFromCurrency(*slot) * mm;
    const QString paper = stored->value(QStringLiteral("papier")).toString();
    const bool letter = paper.isEmpty()
                            ? template_pages::defaultPaper() == template_pages::Paper::Letter
                            : paper.compare(QStringLiteral("Letter"), Qt::CaseInsensitive) == 0;
    Papier->setCurrentIndex(letter ? 1 : 0);
    Regle->setValue(storedNumber(*stored, QStringLiteral("regle"))
                        .value_or(template_pages::PageSettings::TrueRuler));
    Unite->setCurrentIndex(
        int(std::find(std::begin(units), std::end(units), unitShown) - std::begin(units)));
    board->recall(*stored, unitShown);
    Largeur->setEnabled(board->strings() == 1);
    showUnit();
}

void TemplateForm::remember() const
{
    const auto stored = preferences();
    stored->setValue(QStringLiteral("unite"), QString::fromLatin1(InfoOf(unitShown).code.data()));
    const auto keep = [&](const char *key, const NumberField *field) {
        if (const auto value = field->value())
            storeNumber(*stored, QString::fromLatin1(key), *value);
    };
    keep("largeurBande", Largeur);
    keep("largeurFentes", Fente);
    keep("regle", Regle);
    stored->setValue(QStringLiteral("papier"), Papier->currentText());
    board->remember(*stored);
}

// The widths follow the unit: 60 mm become 6 cm, or 2.3622 in.
void TemplateForm::Unite_Change()
{
    unitShown = units[std::max(0, Unite->currentIndex())];
    showUnit();
    emit changed();
}

void TemplateForm::showUnit()
{
    const double mm = InfoOf(unitShown).millimetres;
    const QString shown = QString::fromUtf8(InfoOf(unitShown).shown.data());
    Largeur->setValue(CurrencyFromDouble(stripMm / mm));
    Fente->setValue(CurrencyFromDouble(slotMm / mm));
    uniteLargeur->setText(shown);
    uniteFente->setText(shown);
    board->showUnit(unitShown);
}

TemplateForm::Reading TemplateForm::reading() const
{
    Reading read;
    const auto field = [&](const NumberField *box, const QString &name) {
        if (read.problem.isEmpty() && !box->problem().isEmpty())
            read.problem = QStringLiteral("%1 : %2").arg(name, box->problem());
        return box->value().value_or(Currency());
    };
    read.settings.unit = unitShown;
    if (board->isEnabled())
        read.settings.board = board->reading(read.problem);
    if (read.settings.board.strings == 1)
        read.settings.stripWidth = field(Largeur, QStringLiteral("Largeur de la bande"));
    read.settings.slotWidth = field(Fente, QStringLiteral("Largeur des fentes"));
    const Currency ruler = field(Regle, QStringLiteral("La règle de 100 mm mesure"));
    using template_pages::PageSettings;
    if (read.problem.isEmpty() &&
        (ruler < PageSettings::LeastRuler || ruler > PageSettings::MostRuler))
        read.problem =
            QStringLiteral("La règle de 100 mm mesure : entre 90 et 110 mm ; "
                           "au-delà, vérifiez la mesure et les réglages de l'imprimante");
    read.printed.paper =
        Papier->currentIndex() == 1 ? template_pages::Paper::Letter : template_pages::Paper::A4;
    read.printed.ruler = read.problem.isEmpty() ? ruler : PageSettings::TrueRuler;
    read.saved = read.printed;
    if (!CorrigerPdf->isChecked())
        read.saved.ruler = PageSettings::TrueRuler;
    return read;
}
