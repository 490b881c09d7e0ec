// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QFile>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
// windows.h first: the others build on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#else
#include <unistd.h>
#endif

namespace platform
{

#ifdef Q_OS_WIN

int longestName(const QString &)
{
    return 255;
}

int nameLength(const QString &name)
{
    return int(name.size());
}

QString nameLengthUnit()
{
    return QStringLiteral("caractères");
}

QStringList arguments(int, char *[])
{
    QStringList typed;
    int count = 0;
    if (wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count)) {
        for (int k = 1; k < count; ++k)
            typed << QString::fromWCharArray(wide[k]);
        LocalFree(wide);
    }
    return typed;
}

void prepareStandardOutput()
{
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

void useNoScreen() {}

bool hasDisplay()
{
    return true;
}

#else

int longestName(const QString &folder)
{
    const long limit = pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return int(std::clamp(limit > 0 ? limit : 255L, 16L, 4096L));
}

int nameLength(const QString &name)
{
    return int(QFile::encodeName(name).size());
}

QString nameLengthUnit()
{
    return QStringLiteral("octets");
}

QStringList arguments(int argc, char *argv[])
{
    QStringList typed;
    for (int k = 1; k < argc; ++k)
        typed << QString::fromUtf8(argv[k]);
    return typed;
}

void prepareStandardOutput() {}

void useNoScreen()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

bool hasDisplay()
{
    for (const char *variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char *value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    return false;
}

#endif

} // namespace platform
