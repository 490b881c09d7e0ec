// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_dialogs.h"

#include "files.h"
#include "platform.h"

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>

namespace output
{

namespace
{

// "PDF (*.pdf)" for a proposed "….pdf", and likewise for SVG and DXF; "Gamme Scala (*.scl)".
QString filterFor(const QString &suffix)
{
    if (suffix == QLatin1String("scl"))
        return QStringLiteral("Gamme Scala (*.scl)");
    return QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix);
}

// "Enregistrer en PDF", and likewise; a Scala file is exported, as its command says.
QString saveTitleFor(const QString &suffix)
{
    if (suffix == QLatin1String("scl"))
        return QStringLiteral("Exporter en Scala");
    return QStringLiteral("Enregistrer en %1").arg(suffix.toUpper());
}

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// The name cut to `longest` bytes (on Windows, characters) with "…" before its extension: a
// length of 300 digits gives "Tempérée Chromatique 1234…pdf" of 248 bytes.
QString shortened(const QString &name, int longest)
{
    const QString suffix = QLatin1Char('.') + QFileInfo(name).suffix();
    QString base = name.chopped(suffix.size());
    const QString cut = QStringLiteral("…");
    while (!base.isEmpty() && platform::nameLength(base + cut + suffix) > longest)
        base.chop(1);
    return base + cut + suffix;
}

} // namespace

Dialogs systemDialogs()
{
    return {
        [](QWidget *parent, const QString &proposedPath) -> std::optional<QString> {
            const QFileInfo proposed(proposedPath);
            const QString suffix = proposed.suffix().toLower();
            QFileDialog dialog(parent, saveTitleFor(suffix));
            dialog.setAcceptMode(QFileDialog::AcceptSave); // asks before replacing a file
            dialog.setNameFilter(filterFor(suffix));
            dialog.setDefaultSuffix(suffix);
            dialog.setDirectory(proposed.absolutePath());
            dialog.selectFile(proposed.fileName());
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
                return std::nullopt;
            return dialog.selectedFiles().first();
        },
        [](QWidget *parent, const QString &title, const QString &message) {
            QMessageBox::warning(parent, title, message);
        },
        [](QWidget *parent, const QString &title, const QString &question) {
            return QMessageBox::question(parent, title, question) == QMessageBox::Yes;
        },
        [](QWidget *parent, const QString &title, const QString &folder,
           const QString &filter) -> std::optional<QString> {
            const QString chosen = QFileDialog::getOpenFileName(parent, title, folder, filter);
            if (chosen.isEmpty()) // the toolkit's way of saying the dialog was cancelled
                return std::nullopt;
            return chosen;
        },
        [](QWidget *parent, const QString &title, const QString &label, int value, int least,
           int most) -> std::optional<int> {
            bool given = false;
            const int chosen =
                QInputDialog::getInt(parent, title, label, value, least, most, 1, &given);
            if (!given)
                return std::nullopt;
            return chosen;
        },
    };
}

std::optional<QString> FileDialogs::askFileName(QWidget *parent, const QString &proposedName)
{
    const QString folder = QFileInfo(lastFolder).isDir() ? lastFolder : documentsFolder();
    QString name = proposedName;
    const int longest = files::longestFileName(folder);
    if (const int length = platform::nameLength(name); length > longest) {
        name = shortened(name, longest);
        shown.warning(parent, QStringLiteral("Nom de fichier trop long"),
                      QStringLiteral("Le nom « %1 » compte %2 %4, quand le dossier en admet %3 "
                                     "au plus : le nom proposé est raccourci, et vous pouvez le "
                                     "changer.")
                          .arg(proposedName.left(40) + QStringLiteral("…"))
                          .arg(length)
                          .arg(longest)
                          .arg(platform::nameLengthUnit()));
    }
    const std::optional<QString> chosen = shown.saveFileName(parent, QDir(folder).filePath(name));
    if (chosen)
        lastFolder = QFileInfo(*chosen).absolutePath();
    return chosen;
}

std::optional<QString> FileDialogs::askOpenFileName(QWidget *parent, const QString &title,
                                                    const QString &filter)
{
    const QString folder = QFileInfo(lastFolder).isDir() ? lastFolder : documentsFolder();
    const std::optional<QString> chosen = shown.openFileName(parent, title, folder, filter);
    if (chosen)
        lastFolder = QFileInfo(*chosen).absolutePath();
    return chosen;
}

} // namespace output
