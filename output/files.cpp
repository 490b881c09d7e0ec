// SPDX-License-Identifier: GPL-3.0-or-later
#include "files.h"

#include "platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

using dorvane::Failure;

namespace output
{

namespace
{

Failure failure(Failure::Reason reason, const QString &subject)
{
    return Failure{reason, QDir::toNativeSeparators(subject).toStdString()};
}

// Why a file could not be opened for writing: nothing was written.
Failure openFailure(const QFileInfo &target, const QString &folder)
{
    if (!QFileInfo(folder).isWritable())
        return failure(Failure::Reason::FolderNotWritable, folder);
    if (target.exists() && !target.isWritable()) {
        const bool readOnly = !(target.permissions() & (QFile::WriteOwner | QFile::WriteUser |
                                                        QFile::WriteGroup | QFile::WriteOther));
        return failure(readOnly ? Failure::Reason::FileReadOnly : Failure::Reason::FileNotYours,
                       target.filePath());
    }
    return failure(Failure::Reason::NotCreated, folder);
}

// Why a file opened could not be written whole, or put in place.
Failure writeFailure(const QSaveFile &file)
{
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return failure(Failure::Reason::DiskFull, file.fileName());
    case QFileDevice::RenameError:
        return failure(Failure::Reason::NotReplaced, file.fileName());
    default:
        return failure(Failure::Reason::WriteInterrupted, file.fileName());
    }
}

} // namespace

int longestFileName(const QString &folder)
{
    constexpr int TemporarySuffix = 7; // "." and six letters
    return platform::longestName(folder) - TemporarySuffix;
}

dorvane::Done writeFile(const QString &fileName, const QByteArray &contents)
{
    const QFileInfo target(fileName);
    const QString folder = target.absolutePath();
    if (target.isDir())
        return failure(Failure::Reason::NameIsFolder, fileName);
    if (!QFileInfo(folder).isDir())
        return failure(Failure::Reason::FolderMissing, folder);
    const int nameLength = platform::nameLength(target.fileName());
    if (const int longest = longestFileName(folder); nameLength > longest) {
        Failure tooLong = failure(Failure::Reason::NameTooLong, fileName);
        tooLong.count = nameLength;
        tooLong.limit = longest;
        return tooLong;
    }
    // Unbuffered, so that a failing write is seen at once and not lost in a late flush; a file
    // not committed is removed and the target stays as it was.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return openFailure(target, folder);
    if (file.write(contents) != contents.size()) {
        const Failure why = writeFailure(file);
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return writeFailure(file);
    return dorvane::Succeeded();
}

dorvane::Result<dorvane::ScalaScale> readScalaFile(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || !QFileInfo(fileName).isFile())
        return failure(Failure::Reason::ScalaUnreadable, fileName);
    if (file.size() > qint64(dorvane::MostScalaBytes)) {
        Failure tooLarge = failure(Failure::Reason::ScalaTooLarge, fileName);
        tooLarge.limit = qint64(dorvane::MostScalaBytes);
        return tooLarge;
    }
    // A read that fails or stops short (a disk error, a file cut while read) is said as such,
    // not as a fault of the file's text.
    const qint64 size = file.size();
    const QByteArray bytes = file.read(qint64(dorvane::MostScalaBytes) + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() < size)
        return failure(Failure::Reason::ScalaReadShort, fileName);
    return dorvane::ReadScala(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

QString proposedFileName(const QString &scaleName, const QString &lengthText, const QString &suffix)
{
    const auto cleaned = [](QString part) {
        for (QChar &c : part) {
            if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
                c = QLatin1Char('_');
        }
        return part.simplified();
    };
    QStringList parts;
    for (const QString &part : {cleaned(scaleName), cleaned(lengthText)}) {
        if (!part.isEmpty())
            parts << part;
    }
    if (parts.isEmpty())
        parts << QStringLiteral("Dorvane");
    return parts.join(QLatin1Char(' ')) + QLatin1Char('.') + suffix;
}

} // namespace output
