// SPDX-License-Identifier: GPL-3.0-or-later
// What the program keeps of the Scala files a user opens, from one session to the next: the
// last one with its length and its number of frets, and the few opened last.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tuning
{

struct RememberedScala {
    QString file;   // its whole path
    QString length; // as typed: "647,7"
    int frets = 0;
};

// The Scala file shown last, its length and its number of frets, if any.
std::optional<RememberedScala> lastScala();
// Keeps a file shown with its length and frets, and puts it first among the recent files.
void rememberScala(const RememberedScala &shown);

// The Scala files opened last, the latest first, at most five, those that are still there.
QStringList recentScalaFiles();

} // namespace tuning
