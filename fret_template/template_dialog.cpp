// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_dialog.h"

#include "design.h"
#include "printing.h"
#include "sheet_output.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace dorvane;

// A page of the template as it will be printed, drawn by the painter of the pages themselves.
class TemplatePreview : public QWidget
{
public:
    explicit TemplatePreview(QWidget *parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Apercu"));
        setMinimumSize(480, 345);
        setAccessibleName(QStringLiteral("Aperçu de la page"));
    }
    void show(const template_pages::Pages *shown, int index)
    {
        pages = shown;
        page = index;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Mid));
        if (!pages)
            return;
        const QSizeF paper = pages->paperMm();
        const double scale =
            std::min((width() - 12) / paper.width(), (height() - 12) / paper.height());
        const QSizeF size = paper * scale;
        painter.translate((width() - size.width()) / 2, (height() - size.height()) / 2);
        painter.fillRect(QRectF(QPointF(), size), Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        pages->paint(painter, page, scale);
    }

private:
    const template_pages::Pages *pages = nullptr;
    int page = 0;
};

namespace
{

const Unit units[] = {Unit::Millimetre, Unit::Centimetre, Unit::Inch};

QString suffixOf(Unit unit)
{
    return QLatin1Char(' ') + QString::fromUtf8(InfoOf(unit).shown.data());
}

// A width to four decimals, shown without trailing zeros: "60 mm", "0,6 mm", "2,3622 po".
class WidthBox : public QDoubleSpinBox
{
public:
    using QDoubleSpinBox::QDoubleSpinBox;

protected:
    QString textFromValue(double value) const override
    {
        QString text = locale().toString(value, 'f', decimals());
        const QString point = locale().decimalPoint();
        if (text.contains(point)) {
            while (text.endsWith(QLatin1Char('0')))
                text.chop(1);
            if (text.endsWith(point))
                text.chop(point.size());
        }
        return text;
    }
};

QDoubleSpinBox *widthBox(QWidget *parent, const char *name, double least)
{
    auto *box = new WidthBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(4);
    box->setRange(least, 100000);
    box->setSingleStep(0.1);
    box->setLocale(QLocale::system());
    return box;
}

} // namespace

TemplateDialog::TemplateDialog(const TableChoice &table, const QString &lengthText,
                               sheet_output::Dialogs dialogs, QWidget *parent)
    : QDialog(parent), table(table), lengthText(lengthText), dialogs(std::move(dialogs))
{
    setObjectName(QStringLiteral("Gabarit"));
    setWindowTitle(QStringLiteral("Gabarit 1:1"));
    setModal(true);
    createFields();
    createButtons();
    settingsChanged();
}

TemplateDialog::~TemplateDialog() = default;

void TemplateDialog::createFields()
{
    auto *layout = new QVBoxLayout(this);
    Titre = new QLabel(this);
    Titre->setObjectName(QStringLiteral("Titre"));
    layout->addWidget(Titre);
    auto *form = new QFormLayout;
    Unite = new QComboBox(this);
    Unite->setObjectName(QStringLiteral("Unite"));
    Unite->addItems({QStringLiteral("mm"), QStringLiteral("cm"), QStringLiteral("pouces")});
    Unite->setToolTip(QStringLiteral("L'unité dans laquelle la longueur vibrante est tapée"));
    Largeur = widthBox(this, "Largeur", 0.0001);
    Largeur->setValue(DoubleFromCurrency(DefaultStripWidth(unitShown)));
    Fente = widthBox(this, "Fente", 0);
    Fente->setToolTip(QStringLiteral("0 : des traits seuls ; 0,6 mm est une largeur courante"));
    Papier = new QComboBox(this);
    Papier->setObjectName(QStringLiteral("Papier"));
    Papier->addItems({QStringLiteral("A4"), QStringLiteral("Letter")});
    Papier->setCurrentIndex(template_pages::defaultPaper() == template_pages::Paper::A4 ? 0 : 1);
    form->addRow(QStringLiteral("&Unité de la longueur :"), Unite);
    form->addRow(QStringLiteral("&Largeur de la bande :"), Largeur);
    form->addRow(QStringLiteral("Largeur des &fentes :"), Fente);
    form->addRow(QStringLiteral("&Papier :"), Papier);
    layout->addLayout(form);

    Apercu = new TemplatePreview(this);
    layout->addWidget(Apercu, 1);
    Page = new QSpinBox(this);
    Page->setObjectName(QStringLiteral("Page"));
    Page->setPrefix(QStringLiteral("Page "));
    Page->setAccessibleName(QStringLiteral("Page montrée"));
    Probleme = new QLabel(this);
    Probleme->setObjectName(QStringLiteral("Probleme"));
    Probleme->setWordWrap(true);
    auto *pageLine = new QHBoxLayout;
    pageLine->addWidget(Page);
    pageLine->addWidget(Probleme, 1);
    layout->addLayout(pageLine);
    Unite_Change();
    connect(Unite, &QComboBox::currentIndexChanged, this, &TemplateDialog::Unite_Change);
    for (QDoubleSpinBox *box : {Largeur, Fente})
        connect(box, &QDoubleSpinBox::valueChanged, this, &TemplateDialog::settingsChanged);
    connect(Papier, &QComboBox::currentIndexChanged, this, &TemplateDialog::settingsChanged);
    connect(Page, &QSpinBox::valueChanged, this,
            [this](int page) { Apercu->show(pages.get(), page - 1); });
}

void TemplateDialog::createButtons()
{
    auto *buttons = new QDialogButtonBox(this);
    const auto command = [&](const char *name, const char *text, auto run) {
        QPushButton *button =
            buttons->addButton(QString::fromUtf8(text), QDialogButtonBox::ActionRole);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        design::pressOnEnter(button);
        connect(button, &QPushButton::clicked, this, run);
        commands << button;
    };
    command("Imprimer", "&Imprimer…", &TemplateDialog::Imprimer_Click);
    command("EnregistrerPdf", "Enregistrer en P&DF…",
            [this] { saveAs(template_files::Format::Pdf); });
    command("ExporterSvg", "Exporter en &SVG…", [this] { saveAs(template_files::Format::Svg); });
    command("ExporterDxf", "Exporter en D&XF…", [this] { saveAs(template_files::Format::Dxf); });
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("Fermer"));
    close->setText(QStringLiteral("Fermer"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

// The widths follow the unit: 60 mm become 6 cm, or 2.3622 in.
void TemplateDialog::Unite_Change()
{
    const Unit unit = units[std::max(0, Unite->currentIndex())];
    const double factor = InfoOf(unitShown).millimetres / InfoOf(unit).millimetres;
    const bool defaultWidth = CurrencyFromDouble(Largeur->value()) == DefaultStripWidth(unitShown);
    const double slot = Fente->value() * factor;
    const QSignalBlocker widthQuiet(Largeur);
    const QSignalBlocker slotQuiet(Fente);
    Largeur->setValue(defaultWidth ? DoubleFromCurrency(DefaultStripWidth(unit))
                                   : Largeur->value() * factor);
    Fente->setValue(slot);
    Largeur->setSuffix(suffixOf(unit));
    Fente->setSuffix(suffixOf(unit));
    unitShown = unit;
    settingsChanged();
}

TemplateSettings TemplateDialog::settings() const
{
    TemplateSettings s;
    s.unit = unitShown;
    s.stripWidth = CurrencyFromDouble(Largeur->value());
    s.slotWidth = CurrencyFromDouble(Fente->value());
    return s;
}

template_pages::Paper TemplateDialog::paper() const
{
    return Papier->currentIndex() == 1 ? template_pages::Paper::Letter : template_pages::Paper::A4;
}

// Every change of a field makes the template again and shows its first page. A template too
// long for paper can still go to a machine.
void TemplateDialog::settingsChanged()
{
    const std::string separator = sheet_output::decimalSeparator();
    Titre->setText(QString::fromStdString(TemplateTitle(table, unitShown, separator)));
    pages.reset();
    QString why;
    if (const auto problem = ProblemOf(table, settings())) {
        why = QString::fromStdString(problem->why);
    } else {
        pages = std::make_unique<template_pages::Pages>(MakeTemplate(table, settings(), separator),
                                                        paper());
        why = template_pages::paperProblem(*pages);
    }
    Probleme->setText(why.isEmpty() ? QString() : QStringLiteral("Impossible : %1.").arg(why));
    for (int k = 0; k < commands.size(); ++k)
        commands[k]->setEnabled(why.isEmpty() || (pages && k >= PaperCommands));
    const bool onPaper = pages && why.isEmpty();
    const QSignalBlocker quiet(Page);
    Page->setRange(1, onPaper ? pages->count() : 1);
    Page->setSuffix(QStringLiteral(" / %1").arg(onPaper ? pages->count() : 0));
    Page->setValue(1);
    Apercu->show(onPaper ? pages.get() : nullptr, 0);
}

void TemplateDialog::Imprimer_Click()
{
    QString failure;
    const auto printTemplate = reinterpret_cast<printing::PrintTemplate>(
        sheet_output::printingEntry(printing::TemplateEntryPoint, &failure));
    const QString title = QString::fromStdString(pages->fretTemplate().title);
    if (printTemplate && printTemplate(this, *pages, title, &failure) != printing::Outcome::Failed)
        return;
    dialogs.warning(this, QStringLiteral("Imprimer"), failure);
}

void TemplateDialog::saveAs(template_files::Format format)
{
    const QString name = sheet_output::proposedFileName(
        QStringLiteral("Gabarit ") + QString::fromStdString(dorvane::TableName(table)), lengthText,
        template_files::suffixOf(format));
    const QString fileName = sheet_output::askFileName(dialogs, this, name);
    if (fileName.isEmpty())
        return; // cancelled
    const QString failure = template_files::save(pages->fretTemplate(), paper(), format, fileName);
    if (!failure.isEmpty())
        dialogs.warning(this, QStringLiteral("Exporter le gabarit"),
                        QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.")
                            .arg(QDir::toNativeSeparators(fileName), failure));
}
