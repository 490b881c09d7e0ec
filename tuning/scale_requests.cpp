// SPDX-License-Identifier: GPL-3.0-or-later
#include "scale_requests.h"

#include "failures.h"
#include "files.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace dorvane;

namespace tuning
{

namespace
{

const QString openTitle = QStringLiteral("Ouvrir une gamme Scala");

} // namespace

std::optional<AskedScale> readScala(QWidget *parent, output::FileDialogs &dialogs,
                                    const QString &path)
{
    Result<ScalaScale> read = files::readScalaFile(path);
    if (!read) {
        dialogs.warning(parent, openTitle,
                        QStringLiteral("Le fichier « %1 » n'a pas été ouvert : %2.")
                            .arg(QDir::toNativeSeparators(path), output::describe(read.failure())));
        return std::nullopt;
    }
    return AskedScale{std::move(*read), path};
}

std::optional<AskedScale> askScalaFile(QWidget *parent, output::FileDialogs &dialogs)
{
    const std::optional<QString> path =
        dialogs.askOpenFileName(parent, openTitle, QStringLiteral("Gamme Scala (*.scl)"));
    if (!path)
        return std::nullopt; // cancelled
    return readScala(parent, dialogs, *path);
}

std::optional<AskedScale> askDivisions(QWidget *parent, output::FileDialogs &dialogs)
{
    const QString title = QStringLiteral("Division égale de l'octave");
    const std::optional<int> divisions = dialogs.number(
        parent, title, QStringLiteral("Nombre de divisions égales de l'octave, de 1 à 1000 :"), 12,
        1, MostDivisions);
    if (!divisions)
        return std::nullopt; // cancelled
    Result<ScalaScale> divided = EqualDivisions(*divisions);
    if (!divided) {
        dialogs.warning(parent, title, output::describe(divided.failure()) + QLatin1Char('.'));
        return std::nullopt;
    }
    return AskedScale{std::move(*divided), QString()};
}

std::optional<QString> takeScalaFile(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return std::nullopt;
    const QString path = urls.first().toLocalFile();
    if (!path.endsWith(QLatin1String(".scl"), Qt::CaseInsensitive))
        return std::nullopt;
    event->acceptProposedAction();
    return path;
}

} // namespace tuning
