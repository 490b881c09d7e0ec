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

// The template of a table with its settings, checked, then laid out once, its texts written
// with the separator given; or why it cannot be made. The dialog and the command line both
// make their templates so. A board of several strings takes its other strings' tables from
// `tableAt`.
dorvane::Result<dorvane::FretTemplate> makeTemplate(const dorvane::FretTable &table,
                                                    const dorvane::TemplateSettings &settings,
                                                    const std::string &separator,
                                                    const dorvane::TableAt &tableAt = {});

// Writes the template, whole or not at all; a PDF's pages are laid out on the paper given, and
// refused beyond the most pages paper takes (TooManyPages). A PDF needs the toolkit's fonts, so
// an application of the toolkit's GUI must exist.
dorvane::Done save(const dorvane::FretTemplate &t, const template_pages::PageSettings &pages,
                   Format format, const QString &fileName);

} // namespace template_files
