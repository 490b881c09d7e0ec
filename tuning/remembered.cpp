// SPDX-License-Identifier: GPL-3.0-or-later
#include "remembered.h"

#include <QFileInfo>
#include <QSettings>

namespace tuning
{

namespace
{

constexpr int MostRecent = 5;

// The program's settings, in the group of the tuning window.
struct Settings : QSettings {
    Settings() : QSettings(QStringLiteral("Dorvane"), QStringLiteral("dorvane"))
    {
        beginGroup(QStringLiteral("Accord"));
    }
};

} // namespace

std::optional<RememberedScala> lastScala()
{
    Settings settings;
    const QString file = settings.value(QStringLiteral("fichier")).toString();
    if (file.isEmpty())
        return std::nullopt;
    return RememberedScala{file, settings.value(QStringLiteral("longueur")).toString(),
                           settings.value(QStringLiteral("frettes")).toInt()};
}

void rememberScala(const RememberedScala &shown)
{
    Settings settings;
    settings.setValue(QStringLiteral("fichier"), shown.file);
    settings.setValue(QStringLiteral("longueur"), shown.length);
    settings.setValue(QStringLiteral("frettes"), shown.frets);
    QStringList recent = settings.value(QStringLiteral("recents")).toStringList();
    recent.removeAll(shown.file);
    recent.prepend(shown.file);
    settings.setValue(QStringLiteral("recents"), recent.mid(0, MostRecent));
}

QStringList recentScalaFiles()
{
    QStringList there;
    for (const QString &file : Settings().value(QStringLiteral("recents")).toStringList()) {
        if (QFileInfo(file).isFile())
            there << file;
    }
    return there;
}

} // namespace tuning
