// SPDX-License-Identifier: GPL-3.0-or-later
#include "template_files.h"

#include "dxf.h"
#include "sheet_output.h"
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

QString save(const dorvane::FretTemplate &t, template_pages::Paper paper, Format format,
             const QString &fileName)
{
    QByteArray contents;
    if (format == Format::Svg) {
        contents = QByteArray::fromStdString(dorvane::TemplateSvg(t));
    } else if (format == Format::Dxf) {
        contents = QByteArray::fromStdString(dorvane::TemplateDxf(t));
    } else {
        const template_pages::Pages pages(t, paper);
        if (const QString problem = template_pages::paperProblem(pages); !problem.isEmpty())
            return problem;
        contents = template_pages::pdfDocument(pages, QString::fromStdString(t.title));
        if (contents.isEmpty())
            return QStringLiteral("les pages n'ont pas pu être dessinées");
    }
    return sheet_output::writeFile(fileName, contents);
}

} // namespace template_files
