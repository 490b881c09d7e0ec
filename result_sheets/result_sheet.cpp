// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_sheet.h"

#include "design.h"
#include "version.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <memory>

ResultSheet::ResultSheet(const SheetDesign &design, std::shared_ptr<output::FileDialogs> dialogs,
                         Openers openers)
    : QDialog(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      sheetDesign(design), dialogs(std::move(dialogs)), openers(std::move(openers))
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowIcon(design::windowIcon());
    setWindowTitle(QLatin1Char(' ') + QString::fromLatin1(dorvane::ProgramName));
    setAccessibleName(QStringLiteral("Feuille de résultats"));
    setAccessibleDescription(QStringLiteral("Le tableau en grand : Ctrl+P l'imprime, Ctrl+S "
                                            "l'enregistre en PDF, Ctrl+Maj+C le copie, Ctrl+G "
                                            "en fait un gabarit 1:1, Ctrl+D en détaille "
                                            "l'accord"));
    setModal(true);
    setFixedSize(design::pixels(design.clientWidth), design::pixels(design.clientHeight));
    QPalette menuBar = palette();
    menuBar.setColor(QPalette::Window, design::menuBarColour());
    setPalette(menuBar);
    setAutoFillBackground(true);
    connect(this, &QDialog::finished, this, &ResultSheet::unload);

    const auto command = [this](const char *text, const QKeySequence &keys,
                                void (ResultSheet::*run)()) {
        auto *action = new QAction(QString::fromUtf8(text), this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    commands = {
        command("Imprimer…", QKeySequence::Print, &ResultSheet::print),
        command("Enregistrer en PDF…", QKeySequence::Save, &ResultSheet::saveAsPdf),
        command("Copier le tableau", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                &ResultSheet::copyTable),
        command("Gabarit 1:1…", QKeySequence(Qt::CTRL | Qt::Key_G), &ResultSheet::makeTemplate),
        command("Détails de l'accord…", QKeySequence(Qt::CTRL | Qt::Key_D),
                &ResultSheet::showTuning)};
    addActions(commands); // their keys work wherever the focus is on the sheet
}

// Shown, a dialog gives its first box the focus as the Tab key would, which selects the box's
// text; a sheet opens with its texts as the program wrote them, the cursor at their start.
void ResultSheet::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (auto *box = qobject_cast<QLineEdit *>(focusWidget()); visible && box) {
        box->deselect();
        box->setCursorPosition(0);
    }
}

void ResultSheet::setDialogs(Dialogs replacement)
{
    dialogs->replace(std::move(replacement));
}

void ResultSheet::showFilled(const SheetContents &contents)
{
    lengthExplanation = contents.lengthExplanation;
    setFixedSize(design::pixels(sheetDesign.clientWidth),
                 design::pixels(sheetDesign.clientHeight) + explanationHeight());
    load();
    Form_Load(contents);
    showExplanation();
    exec();
}

namespace
{

constexpr int ExplanationMargin = 4; // pixels around the explanation, within the frame

QFont explanationFont()
{
    return design::font("Arial", 8.25);
}

} // namespace

// The room the explanation of the length takes below the cells, none without one.
int ResultSheet::explanationHeight() const
{
    if (lengthExplanation.isEmpty())
        return 0;
    QLabel probe(lengthExplanation);
    probe.setFont(explanationFont());
    probe.setWordWrap(true);
    return probe.heightForWidth(width() - 2 * ExplanationMargin - design::pixels(120)) +
           2 * ExplanationMargin;
}

// Why the length shown is not the text typed, under the cells, in the frame: on the screen, on
// paper and in a PDF alike.
void ResultSheet::showExplanation()
{
    if (lengthExplanation.isEmpty())
        return;
    auto *label = new QLabel(QStringLiteral("Longueur : ") + lengthExplanation, controls);
    label->setObjectName(QStringLiteral("ExplicationLongueur"));
    label->setFont(explanationFont());
    label->setWordWrap(true);
    const int top = design::pixels(sheetDesign.clientHeight);
    label->setGeometry(design::pixels(120), top + ExplanationMargin - 1,
                       width() - design::pixels(120) - 2 * ExplanationMargin,
                       height() - top - 2 * ExplanationMargin);
    label->show();
    if (cells.length)
        cells.length->setToolTip(lengthExplanation);
}

void ResultSheet::load()
{
    unload();
    controls = new QWidget(this);
    controls->setGeometry(rect());
    cells = layOutSheet(sheetDesign, controls, this);
}

void ResultSheet::unload()
{
    delete controls;
    controls = nullptr;
    cells = SheetCells();
}

// Copies the texts of the main window as they stand, character for character.
void ResultSheet::Form_Load(const SheetContents &contents)
{
    design::forEachRow(sheetDesign.rows, [&](int, int row) {
        const auto i = static_cast<std::size_t>(row);
        design::setBoxText(cells.positions[i], contents.positions[i]);
        design::setBoxText(cells.notes[i], contents.notes[i]);
    });
    design::setBoxText(cells.length, contents.length); // as read, when read in part
    cells.scaleName->setText(contents.scaleName);
    table = contents.table;
    tableAt = contents.tableAt;
    degrees = contents.degrees;
}

QString ResultSheet::scaleName() const
{
    return cells.scaleName ? cells.scaleName->text() : QString();
}

QString ResultSheet::lengthText() const
{
    return cells.length ? cells.length->text() : QString();
}

// "Zarlino Chromatique 650": what a print job or a PDF file is called; a sheet whose table is
// empty is "Feuille vierge".
QString ResultSheet::documentTitle() const
{
    if (table.empty())
        return QStringLiteral("Feuille vierge");
    return (scaleName().simplified() + QLatin1Char(' ') + lengthText().simplified()).trimmed();
}

// On a cell, its own editing entries, then the sheet's commands; elsewhere, the commands.
bool ResultSheet::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit || event->type() != QEvent::ContextMenu)
        return QDialog::eventFilter(watched, event);
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    menu->addSeparator();
    menu->addActions(commands);
    menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
}

void ResultSheet::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addActions(commands);
    menu.exec(event->globalPos());
}
