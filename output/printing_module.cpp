// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <cstdio>

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

dorvane::Result<void *> printingEntry(const char *entryPoint)
{
    static QLibrary module;
    if (!module.isLoaded()) {
        for (const QString &path : printingModulePaths(QCoreApplication::applicationDirPath())) {
            module.setFileName(path);
            if (module.load())
                break;
        }
    }
    if (QFunctionPointer entry = module.resolve(entryPoint))
        return reinterpret_cast<void *>(entry);
    std::fprintf(stderr, "dorvane: %s\n", qPrintable(module.errorString()));
    return dorvane::Failure{dorvane::Failure::Reason::NoPrintingModule, DORVANE_PRINTING_MODULE};
}

} // namespace output
