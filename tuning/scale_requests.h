// SPDX-License-Identifier: GPL-3.0-or-later
// The scales of any tuning a user asks for, from the main window or the tuning window: a Scala
// file chosen or named, or equal divisions of the octave. A file that cannot be read is said in
// a message, and nothing is given.
#pragma once

#include "file_dialogs.h"
#include "scala_scale.h"

#include <QString>

class QDropEvent;
#include <optional>

class QMimeData;
class QWidget;

namespace tuning
{

struct AskedScale {
    dorvane::ScalaScale scale;
    QString path; // the file's, as given; empty for equal divisions
};

// The scale of the Scala file at `path`.
std::optional<AskedScale> readScala(QWidget *parent, output::FileDialogs &dialogs,
                                    const QString &path);
// A Scala file chosen in the open dialog, then read.
std::optional<AskedScale> askScalaFile(QWidget *parent, output::FileDialogs &dialogs);
// N equal divisions of the octave, N asked from 1 to 1000 (12 at first); a number refused is
// said.
std::optional<AskedScale> askDivisions(QWidget *parent, output::FileDialogs &dialogs);

// The one Scala file of a drag or a drop onto a window, whose action is then accepted; none for
// other files, or several, which the window refuses.
std::optional<QString> takeScalaFile(QDropEvent *event);

} // namespace tuning
