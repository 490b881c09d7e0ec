// SPDX-License-Identifier: GPL-3.0-or-later
#include "tuning_window.h"

#include "design.h"
#include "failures.h"
#include "files.h"
#include "pdf.h"
#include "printing_module.h"
#include "regional.h"
#include "scala.h"
#include "tuning_model.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

using namespace dorvane;

TuningWindow::TuningWindow(const FretTable &table, output::FileDialogs &dialogs, QWidget *parent)
    : QDialog(parent), table(table), dialogs(dialogs)
{
    createTable();
    Longueur = new QLabel(lengthLine(), this);
    Longueur->setObjectName(QStringLiteral("Longueur"));
    static_cast<QVBoxLayout *>(layout())->insertWidget(1, Longueur);
    createButtons();
    fitTable();
}

// The title and the table, which both kinds of window have.
void TuningWindow::createTable()
{
    setObjectName(QStringLiteral("Accord"));
    setWindowTitle(QStringLiteral("Accord"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    Titre = new QLabel(QString::fromStdString(table.title), this);
    Titre->setObjectName(QStringLiteral("Titre"));
    QFont bold = Titre->font();
    bold.setBold(true);
    Titre->setFont(bold);
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
    layout->addWidget(Titre);
    layout->addWidget(Tableau, 1);
}

// Another table in the same window: the rows again, the columns at their widths.
void TuningWindow::showTable(const FretTable &shown)
{
    table = shown;
    Titre->setText(QString::fromStdString(table.title));
    model->setTable(table, output::decimalSeparator());
    Tableau->resizeColumnsToContents();
}

// Every column at its width, and as many rows as the screen leaves room for.
void TuningWindow::fitTable()
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

// Where the buttons make the window wider than the columns, the columns share the rest.
void TuningWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    const int spare = Tableau->viewport()->width() - Tableau->horizontalHeader()->length();
    for (int column = 0; spare > 0 && column < model->columnCount(); ++column)
        Tableau->setColumnWidth(column,
                                Tableau->columnWidth(column) + spare / model->columnCount());
}

void TuningWindow::createButtons()
{
    auto *buttons = new QDialogButtonBox(this);
    const auto command = [&](const char *name, const char *text, void (TuningWindow::*run)(),
                             const QKeySequence &keys) {
        QPushButton *button = design::commandButton(buttons, name, text);
        connect(button, &QPushButton::clicked, this, run);
        if (!keys.isEmpty()) {
            auto *action = new QAction(this);
            action->setShortcut(keys);
            connect(action, &QAction::triggered, this, run);
            addAction(action);
            button->setToolTip(keys.toString(QKeySequence::NativeText));
        }
    };
    command("Copier", "&Copier", &TuningWindow::Copier_Click,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    command("Imprimer", "&Imprimer…", &TuningWindow::Imprimer_Click, QKeySequence::Print);
    command("EnregistrerPdf", "Enregistrer en P&DF…", &TuningWindow::EnregistrerPdf_Click,
            QKeySequence::Save);
    if (scale)
        command("Gabarit", "&Gabarit 1:1…", &TuningWindow::Gabarit_Click,
                QKeySequence(Qt::CTRL | Qt::Key_G));
    command("ExporterScala", "Exporter en &Scala (.scl)…", &TuningWindow::ExporterScala_Click,
            QKeySequence());
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("Fermer"));
    close->setText(QStringLiteral("Fermer"));
    design::pressOnEnter(close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout()->addWidget(buttons);
}

// "Longueur : 650".
QString TuningWindow::lengthLine() const
{
    return QStringLiteral("Longueur : %1")
        .arg(QString::fromStdString(CurrencyText(table.length, output::decimalSeparator()).str()));
}

QString TuningWindow::html() const
{
    QString html = QStringLiteral("<meta charset=\"utf-8\"><h3>%1</h3><p>%2</p>\n"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n")
                       .arg(Titre->text().toHtmlEscaped(), lengthLine().toHtmlEscaped());
    const QList<QStringList> texts = model->texts();
    for (qsizetype k = 0; k < texts.size(); ++k) {
        const QString cell = k == 0 ? QStringLiteral("th") : QStringLiteral("td");
        html += QStringLiteral("<tr>");
        for (const QString &text : texts[k])
            html += QStringLiteral("<%1>%2</%1>").arg(cell, text.toHtmlEscaped());
        html += QStringLiteral("</tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

QString TuningWindow::plainText() const
{
    QString text = Titre->text() + QLatin1Char('\n') + lengthLine() + QLatin1Char('\n');
    for (const QStringList &row : model->texts())
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

// Every column, as tab-separated text and as an HTML table, which a spreadsheet pastes as cells.
void TuningWindow::Copier_Click()
{
    auto *data = new QMimeData;
    data->setText(plainText());
    data->setHtml(html());
    QGuiApplication::clipboard()->setMimeData(data);
}

void TuningWindow::Imprimer_Click()
{
    const Result<void *> entry = output::printingEntry(printing::DocumentEntryPoint);
    if (!entry) {
        dialogs.warning(this, QStringLiteral("Imprimer"),
                        output::describe(entry.failure()) + QLatin1Char('.'));
        return;
    }
    const auto printDocument = reinterpret_cast<printing::PrintDocument>(*entry);
    const QString title = QStringLiteral("Accord ") + Titre->text();
    if (const auto printed = printDocument(this, html(), title); !printed)
        dialogs.warning(this, QStringLiteral("Imprimer"),
                        output::describe(printed.failure()) + QLatin1Char('.'));
}

// Asks for a file, then writes what it is given for the name chosen, whole; a failure is said.
void TuningWindow::saveFile(const QString &proposedName, const QString &title,
                            const std::function<QByteArray(const QString &)> &contents)
{
    const QString fileName = dialogs.askFileName(this, proposedName);
    if (fileName.isEmpty())
        return; // cancelled
    if (const Done written = output::writeFile(fileName, contents(fileName)); !written)
        dialogs.warning(
            this, title,
            QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.")
                .arg(QDir::toNativeSeparators(fileName), output::describe(written.failure())));
}

void TuningWindow::EnregistrerPdf_Click()
{
    QTextDocument document;
    document.setHtml(html());
    const QString title = QStringLiteral("Accord ") + Titre->text();
    const QPageLayout page(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    const Result<QByteArray> pdf = output::pdfDocument(title, page, [&](QPdfWriter &writer) {
        document.print(&writer);
        return true;
    });
    if (!pdf) {
        dialogs.warning(this, QStringLiteral("Enregistrer en PDF"),
                        output::describe(pdf.failure()) + QLatin1Char('.'));
        return;
    }
    saveFile(output::proposedFileName(title, QString()), QStringLiteral("Enregistrer en PDF"),
             [&](const QString &) { return *pdf; });
}

// The scale shown: a sheet's table one octave of it, a scale of any tuning as it was read.
void TuningWindow::ExporterScala_Click()
{
    saveFile(output::proposedFileName(Titre->text(), QString(), QStringLiteral("scl")),
             QStringLiteral("Exporter en Scala"), [this](const QString &fileName) {
                 const std::string name = QFileInfo(fileName).fileName().toStdString();
                 return QByteArray::fromStdString(scale ? ScalaFile(*scale, name)
                                                        : ScalaFile(table, name));
             });
}
