// SPDX-License-Identifier: GPL-3.0-or-later
// Scales of any tuning from the main window, without changing its design: Ctrl+O opens a Scala
// file, Ctrl+E divides the octave equally, both also in the context menu of the window's free
// background; a Scala file dropped on the window opens too. Each shows in the tuning window.
#include "base.h"

#include "design.h"
#include "file_dialogs.h"
#include "remembered.h"
#include "scale_requests.h"
#include "template_dialog.h"
#include "tuning_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

using namespace dorvane;

namespace
{

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

// The commands, then the Scala files opened last, each by its name, its folder in its tip.
void Base::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addActions(scaleCommands);
    QMenu *recent = menu.addMenu(QStringLiteral("Gammes récentes"));
    recent->setObjectName(QStringLiteral("GammesRecentes"));
    recent->setToolTipsVisible(true);
    for (const QString &path : tuning::recentScalaFiles()) {
        QAction *file = recent->addAction(QFileInfo(path).fileName());
        file->setToolTip(QDir::toNativeSeparators(path));
        connect(file, &QAction::triggered, this, [this, path] { openScalaFile(path); });
    }
    recent->setEnabled(!recent->isEmpty());
    menu.exec(event->globalPos());
}

void Base::dragEnterEvent(QDragEnterEvent *event)
{
    tuning::takeScalaFile(event);
}

void Base::dropEvent(QDropEvent *event)
{
    if (const std::optional<QString> fileName = tuning::takeScalaFile(event))
        openScalaFile(*fileName);
}

void Base::OuvrirGamme_Click()
{
    if (std::optional<tuning::AskedScale> asked = tuning::askScalaFile(this, *fileDialogs))
        showTuning(std::move(asked->scale), asked->path);
}

void Base::DiviserOctave_Click()
{
    if (std::optional<tuning::AskedScale> asked = tuning::askDivisions(this, *fileDialogs))
        showTuning(std::move(asked->scale), QString());
}

void Base::openScalaFile(const QString &fileName)
{
    if (std::optional<tuning::AskedScale> asked = tuning::readScala(this, *fileDialogs, fileName))
        showTuning(std::move(asked->scale), asked->path);
}

// The tuning window of a scale, on the length the main window holds; without one, on 650, a
// guitar's, for the user to change.
void Base::showTuning(ScalaScale scale, const QString &path)
{
    const Currency usual = Currency::fromScaled(650 * 10000);
    TuningWindow window(std::move(scale), path,
                        vibratingLength > Currency() ? vibratingLength : usual, *fileDialogs,
                        openTemplateDialog, this);
    window.exec();
}
