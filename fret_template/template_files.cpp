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

QString save(const dorvane::FretTemplate &t, const template_pages::PageSettings &paper,
             Format format, const QString &fileName)
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

QString problemText(const dorvane::TemplateProblem &problem, const std::string &separator)
{
    using P = dorvane::TemplateProblem;
    const auto figure = [&](dorvane::Currency value) {
        return QString::fromStdString(dorvane::CurrencyText(value, separator).str());
    };
    switch (problem.reason) {
    case P::NoTable:
        return QStringLiteral("le tableau est vide : choisissez d'abord une gamme");
    case P::OutOfRange:
        return QStringLiteral("%1 doit être positive et d'au plus %2")
            .arg(problem.field == P::Length ? QStringLiteral("la longueur vibrante")
                                            : QStringLiteral("la largeur de la bande"),
                 figure(problem.limit));
    case P::SlotOverStrip:
        return QStringLiteral("la largeur des fentes doit être positive ou nulle et inférieure à "
                              "celle de la bande");
    case P::SlotOverGap:
        break;
    }
    return QStringLiteral("la largeur des fentes doit être inférieure au plus petit écart entre "
                          "deux frettes, %1 entre les frettes %2 et %3")
        .arg(figure(problem.limit))
        .arg(problem.fret)
        .arg(problem.fret + 1);
}

} // namespace template_files
