// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning window's commands: the copy, the paper and the PDF of its table, its Scala file,
// its template, and a scale of any tuning opened in its place, by its keys, its context menu or
// a dropped file.
#include "tuning_window.h"

#include "failures.h"
#include "files.h"
#include "length_hint.h"
#include "number_field.h"
#include "pdf.h"
#include "printing_module.h"
#include "regional.h"
#include "scala_file.h"
#include "scale_requests.h"
#include "tuning_model.h"
#include "tuning_pages.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

using namespace dorvane;

// Under the title: the length, and the file and the open string's frequency where there are.
QStringList TuningWindow::linesAboveTable() const
{
    QStringList lines{lengthLine()};
    if (!scalePath.isEmpty())
        lines << Fichier->text();
    if (openFrequency)
        lines << QStringLiteral("Fréquence à vide : %1 Hz").arg(FrequenceAVide->text());
    return lines;
}

QString TuningWindow::html() const
{
    QString html =
        QStringLiteral("<meta charset=\"utf-8\"><h3>%1</h3>\n").arg(Titre->text().toHtmlEscaped());
    for (const QString &line : linesAboveTable())
        html += QStringLiteral("<p>%1</p>\n").arg(line.toHtmlEscaped());
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
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
    QString text = Titre->text() + QLatin1Char('\n');
    for (const QString &line : linesAboveTable())
        text += line + QLatin1Char('\n');
    for (const QStringList &row : model->texts())
        text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

tuning_pages::TablePages TuningWindow::pages() const
{
    QList<QStringList> rows = model->texts();
    const QStringList headers = rows.takeFirst();
    return tuning_pages::TablePages({Titre->text(), linesAboveTable(), headers, rows});
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
    if (const auto printed = printDocument(this, pages(), title); !printed)
        dialogs.warning(this, QStringLiteral("Imprimer"),
                        output::describe(printed.failure()) + QLatin1Char('.'));
}

// Asks for a file, then writes what it is given for the name chosen, whole; a failure is said.
void TuningWindow::saveFile(const QString &proposedName, const QString &title,
                            const std::function<QByteArray(const QString &)> &contents)
{
    const std::optional<QString> fileName = dialogs.askFileName(this, proposedName);
    if (!fileName)
        return; // cancelled
    if (const Done written = files::writeFile(*fileName, contents(*fileName)); !written)
        dialogs.warning(
            this, title,
            QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.")
                .arg(QDir::toNativeSeparators(*fileName), output::describe(written.failure())));
}

void TuningWindow::EnregistrerPdf_Click()
{
    const QString title = QStringLiteral("Accord ") + Titre->text();
    const Result<QByteArray> pdf = output::pdfOf(pages(), title);
    if (!pdf) {
        dialogs.warning(this, QStringLiteral("Enregistrer en PDF"),
                        output::describe(pdf.failure()) + QLatin1Char('.'));
        return;
    }
    saveFile(files::proposedFileName(title, QString()), QStringLiteral("Enregistrer en PDF"),
             [&](const QString &) { return *pdf; });
}

// The scale shown: a sheet's table one octave of it, a scale of any tuning as it was read. The
// name proposed is the file's own, or the scale's.
void TuningWindow::ExporterScala_Click()
{
    const QString proposed =
        !scalePath.isEmpty()
            ? QFileInfo(scalePath).fileName()
            : files::proposedFileName(Titre->text(), QString(), QStringLiteral("scl"));
    saveFile(proposed, QStringLiteral("Exporter en Scala"), [this](const QString &fileName) {
        const std::string name = QFileInfo(fileName).fileName().toStdString();
        return QByteArray::fromStdString(scale ? ScalaFile(*scale, name) : ScalaFile(table, name));
    });
}

void TuningWindow::openScala(const QString &path)
{
    if (std::optional<tuning::AskedScale> asked = tuning::readScala(this, dialogs, path))
        showScale(std::move(asked->scale), asked->path);
}

void TuningWindow::Ouvrir_Click()
{
    if (std::optional<tuning::AskedScale> asked = tuning::askScalaFile(this, dialogs))
        showScale(std::move(asked->scale), asked->path);
}

void TuningWindow::Diviser_Click()
{
    if (std::optional<tuning::AskedScale> asked = tuning::askDivisions(this, dialogs))
        showScale(std::move(asked->scale), QString());
}

void TuningWindow::Gabarit_Click()
{
    if (!templateOpener || !scale)
        return;
    const TableAt tableAt = [shown = *scale, frets = int(table.frets.size())](Currency at) {
        return TableOf(shown, at, frets);
    };
    templateOpener(this, table, tableAt, DegreesOf(*scale), LongueurVibrante->text(),
                   LengthHint::explanation(LongueurVibrante->text().toStdString(), length, true),
                   dialogs);
}

void TuningWindow::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addActions(commands);
    menu.exec(event->globalPos());
}

void TuningWindow::dragEnterEvent(QDragEnterEvent *event)
{
    tuning::takeScalaFile(event);
}

void TuningWindow::dropEvent(QDropEvent *event)
{
    if (const std::optional<QString> path = tuning::takeScalaFile(event))
        openScala(*path);
}
