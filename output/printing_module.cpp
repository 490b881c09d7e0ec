// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing_module.h"

#include "printing_build.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <cstdio>
#include <cstring>

namespace output
{

QStringList printingModulePaths(const QString &programFolder)
{
    const QDir here(programFolder);
    QStringList paths;
    for (const QString &folder : {here.path(), here.filePath(QStringLiteral(DORVANE_MODULES))})
        paths << QDir::cleanPath(QDir(folder).filePath(QStringLiteral(DORVANE_PRINTING_MODULE)));
    return paths;
}

dorvane::Result<void *> printingEntry(QLibrary &module, const QStringList &paths,
                                      const char *entryPoint)
{
    QString otherBuild; // the first module found of another build
    for (qsizetype k = 0; !module.isLoaded() && k < paths.size(); ++k) {
        module.setFileName(paths[k]);
        if (!module.load())
            continue;
        const auto build =
            reinterpret_cast<printing::Build>(module.resolve(printing::BuildEntryPoint));
        if (build && std::strcmp(build(), DORVANE_PRINTING_BUILD) == 0)
            break;
        std::fprintf(stderr, "dorvane : %s : module de la version %s, celle du programme est %s\n",
                     qPrintable(paths[k]), build ? build() : "plus ancienne",
                     DORVANE_PRINTING_BUILD);
        module.unload();
        if (otherBuild.isEmpty())
            otherBuild = QDir::toNativeSeparators(paths[k]);
    }
    if (!module.isLoaded() && !otherBuild.isEmpty())
        return dorvane::Failure{dorvane::PrintFault::OtherBuild, otherBuild.toStdString()};
    if (QFunctionPointer entry = module.resolve(entryPoint))
        return reinterpret_cast<void *>(entry);
    std::fprintf(stderr, "dorvane: %s\n", qPrintable(module.errorString()));
    return dorvane::Failure{dorvane::PrintFault::NoModule, DORVANE_PRINTING_MODULE};
}

dorvane::Result<void *> printingEntry(const char *entryPoint)
{
    static QLibrary module;
    return printingEntry(module, printingModulePaths(QCoreApplication::applicationDirPath()),
                         entryPoint);
}

} // namespace output
