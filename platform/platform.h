// SPDX-License-Identifier: GPL-3.0-or-later
// What differs between the systems the program runs on, each behind one small function: names
// of files, the command line's arguments and output, and the screen.
#pragma once

#include <QString>
#include <QStringList>

namespace platform
{

// The longest file name the file system of a folder takes, and a name's length as it counts
// it: bytes of the name's encoding where POSIX asks pathconf (255 on most file systems),
// UTF-16 units on Windows (255).
int longestName(const QString &folder);
int nameLength(const QString &name);
// "octets" or "caractères": what nameLength counts, for a message.
QString nameLengthUnit();

// The arguments as the user typed them, without the program's name: UTF-8 on Linux; on Windows
// read from the wide command line, whatever the console's code page.
QStringList arguments(int argc, char *argv[]);

// The standard output made ready for the program's UTF-8 bytes as they are: on Windows, no
// carriage return added before a line feed, and a console that shows UTF-8.
void prepareStandardOutput();

// Makes the toolkit's GUI, which pages need for their fonts, need no screen: its offscreen
// platform on Linux; on Windows the system's own, which shows nothing unless asked.
void useNoScreen();

// Whether a window can be shown: always on Windows; elsewhere, where an X11 or Wayland display
// or a platform of the toolkit is named.
bool hasDisplay();

} // namespace platform
