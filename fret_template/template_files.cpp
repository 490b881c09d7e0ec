// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_files.h"

#include "dxf.h"
#include "files.h"
#include "svg.h"

#include <QFileInfo>

namespace template_files
{

QString suffixOf(Format format)
{
    static const char *const suffixes[] = {"pdf", "svg", "dxf"};
    return QString::fromLatin1(suffixes[static_cast<int>(format)]);
}

std::optional<Format> formatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    for (Format format : {Format::Pdf, Format::Svg, Format::Dxf}) {
        if (suffix == suffixOf(format))
            return format;
    }
    return std::nullopt;
}

dorvane::Result<dorvane::FretTemplate> makeTemplate(const dorvane::FretTable &table,
                                                    const dorvane::TemplateSettings &settings,
                                                    const std::string &separator,
                                                    const dorvane::TableAt &tableAt)
{
    if (const dorvane::Done possible = dorvane::CheckTemplate(table, settings, tableAt); !possible)
        return possible.failure();
    return dorvane::MakeTemplate(table, settings, separator, tableAt);
}

dorvane::Done save(const dorvane::FretTemplate &t, const template_pages::PageSettings &paper,
                   Format format, const QString &fileName)
{
    QByteArray contents;
    if (format == Format::Svg) {
        contents = QByteArray::fromStdString(dorvane::TemplateSvg(t));
    } else if (format == Format::Dxf) {
        contents = QByteArray::fromStdString(dorvane::TemplateDxf(t));
    } else {
        const template_pages::Pages pages(t, paper);
        if (const dorvane::Done onPaper = template_pages::checkPages(pages); !onPaper)
            return onPaper;
        dorvane::Result<QByteArray> document =
            template_pages::pdfDocument(pages, QString::fromStdString(t.title));
        if (!document)
            return document.failure();
        contents = std::move(*document);
    }
    return files::writeFile(fileName, contents);
}

} // namespace template_files
