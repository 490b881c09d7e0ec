// SPDX-License-Identifier: GPL-3.0-or-later
// The program's pictures and its icon.
#pragma once

#include <QIcon>
#include <QImage>

namespace design
{

// One of the program's pictures. An uncompressed 32-bit bitmap stored top-down is shown from the
// program's memory as it stands; any other is read by the toolkit's own reader for its format,
// as asked to guess the format the toolkit would first load every image plugin to offer it.
QImage picture(const char *resource);

// The program's icon, 32 and 16 pixels in 16 colours, of the main window and the about box.
QIcon windowIcon();

} // namespace design
