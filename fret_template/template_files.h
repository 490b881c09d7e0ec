// SPDX-License-Identifier: GPL-3.0-or-later
// A template saved as a file, PDF, SVG or DXF, chosen by the file's extension; the file is
// written whole or not at all.
#pragma once

#include "template_pages.h"

#include <QString>
#include <optional>

namespace template_files
{

enum class Format { Pdf, Svg, Dxf };

// ".pdf", ".svg" or ".dxf", in any case; none for another extension.
std::optional<Format> formatOf(const QString &fileName);
// "pdf", "svg" or "dxf".
QString suffixOf(Format format);

// Writes the template; the reason, in French, when it could not be written, empty on success.
// A PDF needs the toolkit's fonts, so an application of the toolkit's GUI must exist.
QString save(const dorvane::FretTemplate &t, template_pages::Paper paper, Format format,
             const QString &fileName);

} // namespace template_files
