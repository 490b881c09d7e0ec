// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_dialog.h"

#include "board_template.h"
#include "design.h"
#include "failures.h"
#include "files.h"
#include "printing_module.h"
#include "regional.h"
#include "template_form.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
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
        setMinimumSize(400, 140);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        setAccessibleName(QStringLiteral("Aperçu de la page"));
    }
    QSize sizeHint() const override { return {640, 420}; }
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

// A figure as the program writes it, with the regional separator: "16,5".
QString figure(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text.replace(QLatin1Char('.'), QString::fromStdString(output::decimalSeparator()));
}

} // namespace

TemplateDialog::TemplateDialog(const FretTable &table, Scale scale, const QString &lengthText,
                               const QString &lengthProblem, output::FileDialogs &dialogs,
                               QWidget *parent)
    : QDialog(parent), table(table), scale(std::move(scale)), lengthText(lengthText),
      lengthProblem(lengthProblem), dialogs(dialogs)
{
    setObjectName(QStringLiteral("Gabarit"));
    setWindowTitle(QStringLiteral("Gabarit 1:1"));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    Titre = new QLabel(this);
    Titre->setObjectName(QStringLiteral("Titre"));
    layout->addWidget(Titre);
    form = new TemplateForm(this);
    form->allowBoard(bool(this->scale.tableAt), this->scale.degrees);
    layout->addWidget(form);
    createPreview();
    createButtons();
    connect(form, &TemplateForm::changed, this, &TemplateDialog::settingsChanged);
    settingsChanged();
    fitScreen();
}

TemplateDialog::~TemplateDialog() = default;

void TemplateDialog::createPreview()
{
    Apercu = new TemplatePreview(this);
    layout()->addWidget(Apercu);
    static_cast<QVBoxLayout *>(layout())->setStretchFactor(Apercu, 1);
    Page = new QSpinBox(this);
    Page->setObjectName(QStringLiteral("Page"));
    Page->setPrefix(QStringLiteral("Page "));
    Page->setAccessibleName(QStringLiteral("Page montrée"));
    Probleme = new QLabel(this);
    Probleme->setObjectName(QStringLiteral("Probleme"));
    Probleme->setWordWrap(true);
    ConfirmerLongueur = new QPushButton(this);
    ConfirmerLongueur->setObjectName(QStringLiteral("ConfirmerLongueur"));
    ConfirmerLongueur->setText(
        QStringLiteral("Utiliser la lon&gueur lue : %1")
            .arg(QString::fromStdString(
                CurrencyText(table.length, output::decimalSeparator()).str())));
    ConfirmerLongueur->setAutoDefault(false);
    design::pressOnEnter(ConfirmerLongueur);
    connect(ConfirmerLongueur, &QPushButton::clicked, this,
            &TemplateDialog::ConfirmerLongueur_Click);
    auto *pageLine = new QHBoxLayout;
    pageLine->addWidget(Page);
    pageLine->addWidget(Probleme, 1);
    pageLine->addWidget(ConfirmerLongueur);
    static_cast<QVBoxLayout *>(layout())->addLayout(pageLine);
    connect(Page, &QSpinBox::valueChanged, this,
            [this](int page) { Apercu->show(pages.get(), page - 1); });
}

void TemplateDialog::createButtons()
{
    auto *buttons = new QDialogButtonBox(this);
    const auto command = [&](const char *name, const char *text, auto run) {
        QPushButton *button = design::commandButton(buttons, name, text);
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
    copy = new QAction(QStringLiteral("Copier le tableau"), this);
    copy->setObjectName(QStringLiteral("CopierTableau"));
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, &TemplateDialog::copyTable);
    addAction(copy); // its keys work wherever the focus is in the dialog
}

void TemplateDialog::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addAction(copy);
    menu.exec(event->globalPos());
}

// The table of the template shown, a tab between cells and as an HTML table: for a board, the
// strings' lengths, then each string's positions in a column of its own.
void TemplateDialog::copyTable()
{
    if (!pages)
        return;
    const template_pages::Pages *shown = pages.get();
    const std::string separator = output::decimalSeparator();
    QString plain = QString::fromStdString(table.title) + QLatin1Char('\n');
    QString html = QStringLiteral("<meta charset=\"utf-8\"><table>\n<tr><td>%1</td></tr>\n")
                       .arg(QString::fromStdString(table.title).toHtmlEscaped());
    const auto rows = TemplateRows(shown->fretTemplate(), separator);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        QStringList cells;
        for (const std::string &cell : rows[r])
            cells << QString::fromStdString(cell);
        plain += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        const QString tag = r == 1 ? QStringLiteral("th") : QStringLiteral("td");
        html += QStringLiteral("<tr>");
        for (const QString &cell : cells)
            html += QStringLiteral("<%1>%2</%1>").arg(tag, cell.toHtmlEscaped());
        html += QStringLiteral("</tr>\n");
    }
    auto *data = new QMimeData;
    data->setText(plain);
    data->setHtml(html + QStringLiteral("</table>\n"));
    QGuiApplication::clipboard()->setMimeData(data);
}

// As large as the preview would like, within the screen: on a laptop at 150 %, the dialog
// keeps its buttons on the screen and the preview gives way.
void TemplateDialog::fitScreen()
{
    const QScreen *shownOn = parentWidget() ? parentWidget()->screen() : screen();
    if (!shownOn)
        return;
    const QSize room = shownOn->availableGeometry().size() - QSize(24, 48);
    resize(sizeHint().boundedTo(room).expandedTo(minimumSizeHint()));
}

void TemplateDialog::done(int result)
{
    form->remember();
    QDialog::done(result);
}

// Every change of a field makes the template again and shows its first page. A template too
// long for paper can still go to a machine; nothing is made of a length not confirmed.
void TemplateDialog::settingsChanged()
{
    const std::string separator = output::decimalSeparator();
    Titre->setText(QString::fromStdString(TemplateTitle(table, form->unit(), separator)));
    pages.reset();
    const TemplateForm::Reading read = form->reading();
    saved = read.saved;
    QString why = read.problem;
    if (!why.isEmpty()) {
        why += QLatin1Char('.');
    } else if (auto made =
                   template_files::makeTemplate(table, read.settings, separator, scale.tableAt);
               !made) {
        why = QStringLiteral("Impossible : %1.").arg(output::describe(made.failure(), separator));
    } else {
        pages = std::make_unique<template_pages::Pages>(std::move(*made), read.printed);
        if (const dorvane::Done onPaper = template_pages::checkPages(*pages); !onPaper)
            why = QStringLiteral("Impossible : %1.").arg(output::describe(onPaper.failure()));
    }
    QStringList said;
    if (!lengthProblem.isEmpty())
        said << QStringLiteral("%1. Le gabarit serait fait pour %2 : corrigez la longueur dans "
                               "%3, ou confirmez-la.")
                    .arg(lengthProblem,
                         QString::fromStdString(CurrencyText(table.length, separator).str()),
                         lengthWindow());
    if (!why.isEmpty())
        said << why;
    Probleme->setText(said.join(QLatin1Char(' ')));
    ConfirmerLongueur->setVisible(!lengthProblem.isEmpty() && table.length > Currency());
    copy->setEnabled(pages != nullptr && lengthProblem.isEmpty());
    for (int k = 0; k < commands.size(); ++k)
        commands[k]->setEnabled(lengthProblem.isEmpty() && pages &&
                                (why.isEmpty() || k >= PaperCommands));
    const bool onPaper = pages && why.isEmpty();
    const QSignalBlocker quiet(Page);
    // A template refused has no pages to count: the box shows a dash, and takes no page.
    Page->setRange(onPaper ? 1 : 0, onPaper ? pages->count() : 0);
    Page->setSpecialValueText(onPaper ? QString() : QStringLiteral("Page –"));
    Page->setSuffix(onPaper ? QStringLiteral(" / %1").arg(pages->count()) : QString());
    Page->setValue(onPaper ? 1 : 0);
    Page->setEnabled(onPaper);
    Apercu->show(onPaper ? pages.get() : nullptr, 0);
}

// The window whose length box the length comes from: the tuning window's for its scales, the
// main window's for a sheet's table.
QString TemplateDialog::lengthWindow() const
{
    for (const QWidget *opener = parentWidget(); opener; opener = opener->parentWidget()) {
        if (opener->objectName() == QLatin1String("Accord"))
            return QStringLiteral("la fenêtre « Accord »");
    }
    return QStringLiteral("la fenêtre principale");
}

// The length read stands: the template is made for it.
void TemplateDialog::ConfirmerLongueur_Click()
{
    lengthProblem.clear();
    settingsChanged();
    if (!commands.isEmpty() && commands.first()->isEnabled())
        commands.first()->setFocus();
}

// A job of more than ten pages is made only once the user has seen its size: "650 pouces font
// 16,5 m : 64 pages. Continuer ?".
bool TemplateDialog::worthMaking(const template_pages::Pages &job)
{
    constexpr int UsualPages = 10;
    if (job.count() <= UsualPages || job.count() == pagesAccepted)
        return true;
    const Unit unit = form->unit();
    const QString unitName = unit == Unit::Inch ? QStringLiteral("pouces")
                                                : QString::fromUtf8(InfoOf(unit).shown.data());
    const QString question =
        QStringLiteral("%1 %2 font %3 m : %4 pages. Continuer ?")
            .arg(figure(DoubleFromCurrency(table.length), 4), unitName,
                 figure(DoubleFromCurrency(table.length) * InfoOf(unit).millimetres / 1000, 1))
            .arg(job.count());
    if (!dialogs.question(this, QStringLiteral("Gabarit 1:1"), question))
        return false;
    pagesAccepted = job.count();
    return true;
}

void TemplateDialog::Imprimer_Click()
{
    if (!pages || !worthMaking(*pages))
        return;
    const dorvane::Result<void *> entry = output::printingEntry(printing::TemplateEntryPoint);
    if (!entry) {
        dialogs.warning(this, QStringLiteral("Imprimer"),
                        output::describe(entry.failure()) + QLatin1Char('.'));
        return;
    }
    const auto printTemplate = reinterpret_cast<printing::PrintTemplate>(*entry);
    const QString title = QString::fromStdString(pages->fretTemplate().title);
    if (const auto printed = printTemplate(this, *pages, title); !printed)
        dialogs.warning(this, QStringLiteral("Imprimer"),
                        output::describe(printed.failure()) + QLatin1Char('.'));
}

void TemplateDialog::saveAs(template_files::Format format)
{
    if (!pages)
        return;
    if (format == template_files::Format::Pdf &&
        !worthMaking(template_pages::Pages(pages->fretTemplate(), saved)))
        return;
    const QString name =
        files::proposedFileName(QStringLiteral("Gabarit ") + QString::fromStdString(table.title),
                                lengthText, template_files::suffixOf(format));
    const std::optional<QString> fileName = dialogs.askFileName(this, name);
    if (!fileName)
        return; // cancelled
    if (const dorvane::Done written =
            template_files::save(pages->fretTemplate(), saved, format, *fileName);
        !written)
        dialogs.warning(
            this, QStringLiteral("Exporter le gabarit"),
            QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.")
                .arg(QDir::toNativeSeparators(*fileName), output::describe(written.failure())));
}
