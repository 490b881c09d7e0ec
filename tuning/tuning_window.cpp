// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning window built: its title, the fields of its scale, its table and its commands,
// and its columns at their widths.
#include "tuning_window.h"

#include "design.h"
#include "length_hint.h"
#include "number_field.h"
#include "regional.h"
#include "tuning_model.h"
#include "tuning_rows.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

using namespace dorvane;

TuningWindow::TuningWindow(const FretTable &table, output::FileDialogs &dialogs,
                           TemplateOpener openTemplate, QWidget *parent)
    : QDialog(parent), table(table), dialogs(dialogs), templateOpener(std::move(openTemplate))
{
    createWindow(table.length);
    showDegrees(DegreesOf(table), {});
    fitWindow();
}

TuningWindow::TuningWindow(ScalaScale shown, const QString &path, Currency length,
                           output::FileDialogs &dialogs, TemplateOpener openTemplate,
                           QWidget *parent)
    : QDialog(parent), dialogs(dialogs), templateOpener(std::move(openTemplate))
{
    table = TableOf(shown, length);
    createWindow(length);
    showScale(std::move(shown), path);
    fitWindow();
}

void TuningWindow::createWindow(Currency length)
{
    setObjectName(QStringLiteral("Accord"));
    setWindowTitle(QStringLiteral("Accord"));
    setModal(true);
    setAcceptDrops(true);
    auto *column = new QVBoxLayout(this);
    Titre = new QLabel(QString::fromStdString(table.title), this);
    Titre->setObjectName(QStringLiteral("Titre"));
    QFont bold = Titre->font();
    bold.setBold(true);
    Titre->setFont(bold);
    column->addWidget(Titre);
    Longueur = new QLabel(lengthLine(), this);
    Longueur->setObjectName(QStringLiteral("Longueur"));
    column->addWidget(Longueur);
    Fichier = new QLabel(this);
    Fichier->setObjectName(QStringLiteral("Fichier"));
    Fichier->hide();
    column->addWidget(Fichier);
    createFields(length);
    createTable();
    createButtons();
    createCommands();
}

void TuningWindow::createTable()
{
    model = new TuningModel(table, output::decimalSeparator(), this);
    Tableau = new QTableView(this);
    Tableau->setObjectName(QStringLiteral("Tableau"));
    Tableau->setAccessibleName(QStringLiteral("Tableau de l'accord"));
    Tableau->setAccessibleDescription(
        QStringLiteral("Une ligne par frette : note, intervalle, cents, écart au tempéré, "
                       "position et distance depuis la frette précédente"));
    Tableau->setModel(model);
    Tableau->verticalHeader()->hide();
    Tableau->verticalHeader()->setDefaultSectionSize(Tableau->fontMetrics().height() + 6);
    Tableau->setSelectionBehavior(QAbstractItemView::SelectRows);
    Tableau->setTabKeyNavigation(false);
    // The widths of the columns from the rows a screen shows: of 500, the first fifty tell.
    Tableau->horizontalHeader()->setResizeContentsPrecision(50);
    Tableau->resizeColumnsToContents();
    layout()->addWidget(Tableau);
    static_cast<QVBoxLayout *>(layout())->setStretchFactor(Tableau, 1);
}

// The length and the frets of a scale of any tuning, hidden for a sheet's table, and the open
// string's frequency, for every table.
void TuningWindow::createFields(Currency shownLength)
{
    LongueurVibrante = new QLineEdit(
        QString::fromStdString(CurrencyText(shownLength, output::decimalSeparator()).str()));
    LongueurVibrante->setObjectName(QStringLiteral("LongueurVibrante"));
    LongueurVibrante->setAccessibleName(QStringLiteral("Longueur vibrante"));
    LongueurVibrante->setAccessibleDescription(QStringLiteral(
        "Dans l'unité de votre choix ; le point ou la virgule sépare les décimales"));
    length = DecimalFromText(LongueurVibrante->text().toStdString());
    lengthHint = new LengthHint(LongueurVibrante, true, this);
    Frettes = new QSpinBox;
    Frettes->setObjectName(QStringLiteral("Frettes"));
    Frettes->setRange(1, MostFrets);
    Frettes->setAccessibleName(QStringLiteral("Nombre de frettes"));
    FrequenceAVide =
        new NumberField(QStringLiteral("FrequenceAVide"), output::decimalSeparator(), this);
    FrequenceAVide->setOptional(true);
    FrequenceAVide->setRange(Currency::fromScaled(std::int64_t(LeastFrequency) * 10000),
                             Currency::fromScaled(std::int64_t(MostFrequency) * 10000));
    FrequenceAVide->setAccessibleName(QStringLiteral("Fréquence à vide, en hertz"));
    FrequenceAVide->setAccessibleDescription(QStringLiteral(
        "La fréquence de la corde à vide, de 1 à 20000 Hz : une colonne donne celle de chaque "
        "frette, pour accorder à l'accordeur ; vide, pas de colonne"));
    FrequenceAVide->setToolTip(FrequenceAVide->accessibleDescription());
    const auto label = [this](const char *text, QWidget *buddy) {
        auto *shown = new QLabel(QString::fromUtf8(text), this);
        shown->setBuddy(buddy);
        return shown;
    };
    // The length and the frets together, hidden as one while a sheet's table is shown.
    ChampsGamme = new QWidget(this);
    ChampsGamme->setObjectName(QStringLiteral("ChampsGamme"));
    auto *scaleFields = new QHBoxLayout(ChampsGamme);
    scaleFields->setContentsMargins(0, 0, 0, 0);
    scaleFields->addWidget(label("&Longueur vibrante :", LongueurVibrante));
    scaleFields->addWidget(LongueurVibrante);
    scaleFields->addSpacing(12);
    scaleFields->addWidget(label("&Frettes :", Frettes));
    scaleFields->addWidget(Frettes);
    scaleFields->addSpacing(12);
    ChampsGamme->hide(); // until a scale of any tuning is shown
    auto *line = new QHBoxLayout;
    line->addWidget(ChampsGamme);
    line->addWidget(label("Fréquence à &vide (Hz) :", FrequenceAVide));
    line->addWidget(FrequenceAVide);
    Corde = new QComboBox(this);
    Corde->setObjectName(QStringLiteral("Corde"));
    Corde->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    Corde->setMinimumContentsLength(12);
    Corde->setAccessibleName(QStringLiteral("Corde à vide sur le degré"));
    Corde->setToolTip(QStringLiteral(
        "Le degré de la gamme que sonne la corde à vide : le tableau donne alors, pour cette "
        "corde, l'intervalle, les cents, l'écart au tempéré et la position de chaque frette"));
    line->addSpacing(12);
    line->addWidget(label("C&orde à vide :", Corde));
    line->addWidget(Corde);
    connect(Corde, &QComboBox::currentIndexChanged, this, [this] { showTable(table); });
    line->addStretch(1);
    static_cast<QVBoxLayout *>(layout())->addLayout(line);
    connect(LongueurVibrante, &QLineEdit::textEdited, this, &TuningWindow::scaleSettingsChanged);
    connect(Frettes, &QSpinBox::valueChanged, this, &TuningWindow::scaleSettingsChanged);
    connect(FrequenceAVide, &NumberField::valueEdited, this, &TuningWindow::frequencyChanged);
}

void TuningWindow::createButtons()
{
    buttons = new QDialogButtonBox(this);
    const auto command = [&](const char *name, const char *text, void (TuningWindow::*run)(),
                             const QKeySequence &keys) {
        QPushButton *button = design::commandButton(buttons, name, text);
        connect(button, &QPushButton::clicked, this, run);
        auto *action = new QAction(button->text().remove(QLatin1Char('&')), this);
        connect(action, &QAction::triggered, this, run);
        if (!keys.isEmpty()) {
            action->setShortcut(keys);
            addAction(action);
            button->setToolTip(keys.toString(QKeySequence::NativeText));
        }
        commands << action;
        return button;
    };
    command("Copier", "&Copier", &TuningWindow::Copier_Click,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    command("Imprimer", "&Imprimer…", &TuningWindow::Imprimer_Click, QKeySequence::Print);
    command("EnregistrerPdf", "Enregistrer en P&DF…", &TuningWindow::EnregistrerPdf_Click,
            QKeySequence::Save);
    Gabarit = command("Gabarit", "&Gabarit 1:1…", &TuningWindow::Gabarit_Click,
                      QKeySequence(Qt::CTRL | Qt::Key_G));
    // A sheet makes its own template: the button joins the others with a scale of any tuning.
    buttons->removeButton(Gabarit);
    Gabarit->setParent(this);
    Gabarit->hide();
    commands.last()->setVisible(false);
    command("ExporterScala", "Exporter en &Scala (.scl)…", &TuningWindow::ExporterScala_Click,
            QKeySequence());
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("Fermer"));
    close->setText(QStringLiteral("Fermer"));
    design::pressOnEnter(close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

// Scales of any tuning, in every tuning window: Ctrl+O and Ctrl+E, also first in its menu.
void TuningWindow::createCommands()
{
    QList<QAction *> scales;
    for (auto [text, keys, run] :
         {std::tuple{"Ouvrir une gamme Scala (.scl)…", Qt::Key_O, &TuningWindow::Ouvrir_Click},
          std::tuple{"Division égale de l'octave…", Qt::Key_E, &TuningWindow::Diviser_Click}}) {
        auto *action = new QAction(QString::fromUtf8(text), this);
        action->setShortcut(QKeySequence(Qt::CTRL | keys));
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        scales << action;
    }
    auto *separator = new QAction(this);
    separator->setSeparator(true);
    commands = scales + QList<QAction *>{separator} + commands;
    design::commandsBeforeEditingKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_E)});
}

// Another table in the same window: the rows again, the columns at their widths.
// On a string tuned to another degree, that string's frets: "…, corde à vide sur Mi".
void TuningWindow::showTable(const FretTable &shown)
{
    table = shown;
    const int degree = std::max(0, Corde->currentIndex());
    const QString title = QString::fromStdString(table.title);
    Titre->setText(
        degree == 0 ? title
                    : QStringLiteral("%1, corde à vide sur %2").arg(title, Corde->currentText()));
    Longueur->setText(lengthLine());
    model->setTable(StringTable(table, degrees, degree), output::decimalSeparator(), openFrequency);
    fitColumns();
}

// The degrees a string can be tuned to: a system's notes, or a scale's numbers with their
// names; the first, the scale's own 1/1, chosen.
void TuningWindow::showDegrees(Degrees shown, const QStringList &names)
{
    degrees = std::move(shown);
    QStringList items;
    items.reserve(int(degrees.factors.size()));
    for (int d = 0; d < int(degrees.factors.size()); ++d) {
        const QString note = QString::fromStdString(DegreeNote(degrees, d));
        items << (d < names.size() && !names[d].isEmpty()
                      ? QStringLiteral("%1 (%2)").arg(note, names[d])
                      : note);
    }
    // A thousand degrees in a list model of their own, the box as wide as a few of them: no
    // item made, nor measured, one by one.
    const QSignalBlocker quiet(Corde);
    Corde->setModel(new QStringListModel(items, Corde));
}

// Every column at its width, and as many rows as the screen leaves room for.
void TuningWindow::fitWindow()
{
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    const QSize room =
        shownOn ? shownOn->availableGeometry().size() - QSize(24, 48) : QSize(1024, 700);
    const int frame = 2 * Tableau->frameWidth();
    const int tableWidth = Tableau->horizontalHeader()->length() + frame +
                           Tableau->verticalScrollBar()->sizeHint().width();
    const int tableHeight = Tableau->horizontalHeader()->height() + frame +
                            model->rowCount() * Tableau->verticalHeader()->defaultSectionSize();
    const QSize around = sizeHint() - Tableau->sizeHint();
    resize(QSize(std::max(tableWidth, Tableau->sizeHint().width()), tableHeight) + around);
    resize(size().boundedTo(room).expandedTo(minimumSizeHint()));
}

// The columns at the widths of their texts, then sharing what the table leaves, so that they
// fill it whatever the rows shown.
void TuningWindow::fitColumns()
{
    Tableau->resizeColumnsToContents();
    const int spare = Tableau->viewport()->width() - Tableau->horizontalHeader()->length();
    for (int column = 0; spare > 0 && column < model->columnCount(); ++column)
        Tableau->setColumnWidth(column,
                                Tableau->columnWidth(column) + spare / model->columnCount());
}

void TuningWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    fitColumns();
}

void TuningWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (isVisible())
        fitColumns();
}

// "Longueur : 650".
QString TuningWindow::lengthLine() const
{
    return QStringLiteral("Longueur : %1")
        .arg(QString::fromStdString(CurrencyText(table.length, output::decimalSeparator()).str()));
}
