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

// The picture for a screen of `ratio` device pixels to a pixel, with that device pixel ratio,
// so that it covers the same place: drawn for 2 and 3 ("background@2x.png" beside
// "background.bmp"), scaled down smoothly from the next larger one between them (1.5 from 2);
// the picture itself for 1 and below.
QImage picture(const char *resource, qreal ratio);

// A picture as an icon that is sharp at every ratio: the picture and its larger drawings.
QIcon icon(const char *resource);

// The program's icon, 32 and 16 pixels in 16 colours, of the main window and the about box.
QIcon windowIcon();

} // namespace design
