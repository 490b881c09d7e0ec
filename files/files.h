// SPDX-License-Identifier: GPL-3.0-or-later
// Files on disk: written whole or not at all, read whole within a limit, and the names proposed
// for them.
#pragma once

#include "result.h"
#include "scala_scale.h"

#include <QByteArray>
#include <QString>

namespace files
{

// Writes a whole file to a temporary file beside the target that replaces it only once
// complete: an existing file is replaced whole or left as it was, and nothing is left beside
// it. The failure names the folder or the file, and why.
dorvane::Done writeFile(const QString &fileName, const QByteArray &contents);

// A whole file of at most `mostBytes`: Unreadable, TooLarge, or ReadShort when it could not be
// read to its end (a disk error), its `file` named.
dorvane::Result<QByteArray> readFile(const QString &fileName, qint64 mostBytes);

// A Scala file read whole, then what ReadScala makes of it; a failure names the file.
dorvane::Result<dorvane::ScalaScale> readScalaFile(const QString &fileName);

// The longest file name that writeFile can give a file in this folder: the file system's limit
// less what its temporary file adds ("….pdf.Ab3xYz"); 248 bytes on most systems, 248
// characters on Windows.
int longestFileName(const QString &folder);

// "Zarlino Chromatique 650.pdf": the scale name and the length text, each character that a
// file name cannot hold on a usual system replaced by "_" ("Gamme :" gives "Gamme _"), and the
// extension.
QString proposedFileName(const QString &scaleName, const QString &lengthText,
                         const QString &suffix = QStringLiteral("pdf"));

} // namespace files
