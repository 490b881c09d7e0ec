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
QString save(const dorvane::FretTemplate &t, const template_pages::PageSettings &pages,
             Format format, const QString &fileName);

// Why a template cannot be made, in French, its figures with the separator given: "la largeur
// des fentes doit être inférieure au plus petit écart entre deux frettes, 1,4582 entre les
// frettes 39 et 40".
QString problemText(const dorvane::TemplateProblem &problem, const std::string &separator);

} // namespace template_files
