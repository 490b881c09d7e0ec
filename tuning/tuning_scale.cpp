// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning window of a scale of any tuning: its file, its length and number of frets, a
// Scala file or equal divisions opened in its place, and its template.
#include "tuning_window.h"

#include "design.h"
#include "number_field.h"
#include "regional.h"
#include "scale_requests.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace dorvane;

TuningWindow::TuningWindow(ScalaScale shown, const QString &fileName, Currency length,
                           output::FileDialogs &dialogs, TemplateOpener openTemplate,
                           QWidget *parent)
    : QDialog(parent), scale(std::move(shown)), dialogs(dialogs),
      templateOpener(std::move(openTemplate))
{
    table = TableOf(*scale, length);
    createTable();
    createScaleFields(length);
    createButtons();
    for (auto [keys, run] : {std::pair{Qt::Key_O, &TuningWindow::Ouvrir_Click},
                             std::pair{Qt::Key_E, &TuningWindow::Diviser_Click}}) {
        auto *action = new QAction(this);
        action->setShortcut(QKeySequence(Qt::CTRL | keys));
        connect(action, &QAction::triggered, this, run);
        addAction(action);
    }
    design::commandsBeforeEditingKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    showScale(*scale, fileName);
    fitTable();
}

// The file the scale was read from, its length and its number of frets, above the table.
void TuningWindow::createScaleFields(Currency length)
{
    Fichier = new QLabel(this);
    Fichier->setObjectName(QStringLiteral("Fichier"));
    LongueurVibrante =
        new NumberField(QStringLiteral("LongueurVibrante"), output::decimalSeparator(), this);
    LongueurVibrante->setAccessibleName(QStringLiteral("Longueur vibrante"));
    LongueurVibrante->setToolTip(QStringLiteral(
        "Dans l'unité de votre choix ; le point ou la virgule sépare les décimales"));
    LongueurVibrante->setValue(length);
    Frettes = new QSpinBox(this);
    Frettes->setObjectName(QStringLiteral("Frettes"));
    Frettes->setRange(1, MostFrets);
    Frettes->setAccessibleName(QStringLiteral("Nombre de frettes"));
    auto *line = new QHBoxLayout;
    auto *lengthLabel = new QLabel(QStringLiteral("&Longueur vibrante :"), this);
    lengthLabel->setBuddy(LongueurVibrante);
    auto *fretsLabel = new QLabel(QStringLiteral("&Frettes :"), this);
    fretsLabel->setBuddy(Frettes);
    line->addWidget(lengthLabel);
    line->addWidget(LongueurVibrante);
    line->addSpacing(12);
    line->addWidget(fretsLabel);
    line->addWidget(Frettes);
    line->addStretch(1);
    auto *column = static_cast<QVBoxLayout *>(layout());
    column->insertWidget(1, Fichier);
    column->insertLayout(2, line);
    connect(LongueurVibrante, &NumberField::valueEdited, this, &TuningWindow::scaleSettingsChanged);
    connect(Frettes, &QSpinBox::valueChanged, this, &TuningWindow::scaleSettingsChanged);
}

// A scale in the window: two periods of frets at first.
void TuningWindow::showScale(ScalaScale shown, const QString &fileName)
{
    scale = std::move(shown);
    Fichier->setText(fileName.isEmpty()
                         ? QString()
                         : QStringLiteral("Fichier : %1").arg(QDir::toNativeSeparators(fileName)));
    Fichier->setVisible(!fileName.isEmpty());
    const QSignalBlocker quiet(Frettes);
    Frettes->setValue(std::min(2 * int(scale->degrees.size()), MostFrets));
    scaleSettingsChanged();
}

// The table again, for the length and the number of frets asked; a length that is not a
// number leaves the table as it was, the field saying so.
void TuningWindow::scaleSettingsChanged()
{
    const Currency length = LongueurVibrante->value().value_or(table.length);
    showTable(TableOf(*scale, length, Frettes->value()));
}

bool TuningWindow::openScala(const QString &fileName)
{
    std::optional<tuning::AskedScale> asked = tuning::readScala(this, dialogs, fileName);
    if (asked)
        showScale(std::move(asked->scale), asked->fileName);
    return asked.has_value();
}

void TuningWindow::Ouvrir_Click()
{
    if (std::optional<tuning::AskedScale> asked = tuning::askScalaFile(this, dialogs))
        showScale(std::move(asked->scale), asked->fileName);
}

void TuningWindow::Diviser_Click()
{
    if (std::optional<tuning::AskedScale> asked = tuning::askDivisions(this, dialogs))
        showScale(std::move(asked->scale), QString());
}

void TuningWindow::Gabarit_Click()
{
    if (templateOpener)
        templateOpener(
            this, table,
            QString::fromStdString(CurrencyText(table.length, output::decimalSeparator()).str()),
            dialogs);
}
