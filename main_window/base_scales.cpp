// SPDX-License-Identifier: GPL-3.0-or-later
// Scales of any tuning from the main window, without changing its design: Ctrl+O opens a Scala
// file, Ctrl+E divides the octave equally, both also in the context menu of the window's free
// background; a Scala file dropped on the window opens too. Each shows in the tuning window.
#include "base.h"

#include "design.h"
#include "file_dialogs.h"
#include "scale_requests.h"
#include "template_dialog.h"
#include "tuning_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>

using namespace dorvane;

namespace
{

// "Gabarit 1:1…" of the tuning window: the template dialog of its table.
void openTemplate(QWidget *parent, const FretTable &table, const QString &lengthText,
                  output::FileDialogs &dialogs)
{
    TemplateDialog dialog(table, lengthText, QString(), dialogs, parent);
    dialog.exec();
}

// The one Scala file among the files dragged, if any.
QString scalaFileOf(const QMimeData *data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = urls.first().toLocalFile();
    return path.endsWith(QLatin1String(".scl"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void Base::createScaleCommands()
{
    const auto command = [this](const char *text, Qt::Key key, void (Base::*run)()) {
        auto *action = new QAction(QString::fromUtf8(text), this);
        action->setShortcut(QKeySequence(Qt::CTRL | key));
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
        scaleCommands << action;
    };
    command("Ouvrir une gamme Scala (.scl)…", Qt::Key_O, &Base::OuvrirGamme_Click);
    command("Division égale de l'octave…", Qt::Key_E, &Base::DiviserOctave_Click);
    design::commandsBeforeEditingKeys(this, {QKeySequence(Qt::CTRL | Qt::Key_E)});
    setAcceptDrops(true);
}

void Base::setDialogs(output::Dialogs replacement)
{
    fileDialogs->replace(std::move(replacement));
}

void Base::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addActions(scaleCommands);
    menu.exec(event->globalPos());
}

void Base::dragEnterEvent(QDragEnterEvent *event)
{
    if (!scalaFileOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Base::dropEvent(QDropEvent *event)
{
    const QString fileName = scalaFileOf(event->mimeData());
    if (fileName.isEmpty())
        return;
    event->acceptProposedAction();
    openScalaFile(fileName);
}

void Base::OuvrirGamme_Click()
{
    if (std::optional<tuning::AskedScale> asked = tuning::askScalaFile(this, *fileDialogs))
        showTuning(std::move(asked->scale), asked->fileName);
}

void Base::DiviserOctave_Click()
{
    if (std::optional<tuning::AskedScale> asked = tuning::askDivisions(this, *fileDialogs))
        showTuning(std::move(asked->scale), QString());
}

void Base::openScalaFile(const QString &fileName)
{
    if (std::optional<tuning::AskedScale> asked = tuning::readScala(this, *fileDialogs, fileName))
        showTuning(std::move(asked->scale), asked->fileName);
}

// The tuning window of a scale, on the length the main window holds; without one, on 650, a
// guitar's, for the user to change.
void Base::showTuning(ScalaScale scale, const QString &fileName)
{
    const Currency usual = Currency::fromScaled(650 * 10000);
    TuningWindow window(std::move(scale), fileName,
                        vibratingLength > Currency() ? vibratingLength : usual, *fileDialogs,
                        openTemplate, this);
    window.exec();
}
