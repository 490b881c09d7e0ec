// SPDX-License-Identifier: GPL-3.0-or-later
#include "files.h"

#include "platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

using dorvane::Failure;
using dorvane::FileFault;

namespace files
{

namespace
{

Failure failure(FileFault reason, const QString &subject)
{
    return Failure{reason, QDir::toNativeSeparators(subject).toStdString()};
}

// Why a file could not be opened for writing: nothing was written.
Failure openFailure(const QFileInfo &target, const QString &folder)
{
    if (!QFileInfo(folder).isWritable())
        return failure(FileFault::FolderNotWritable, folder);
    if (target.exists() && !target.isWritable()) {
        const bool readOnly = !(target.permissions() & (QFile::WriteOwner | QFile::WriteUser |
                                                        QFile::WriteGroup | QFile::WriteOther));
        return failure(readOnly ? FileFault::FileReadOnly : FileFault::FileNotYours,
                       target.filePath());
    }
    return failure(FileFault::NotCreated, folder);
}

// Why a file opened could not be written whole, or put in place.
Failure writeFailure(const QSaveFile &file)
{
    switch (file.error()) {
    case QFileDevice::ResourceError:
        return failure(FileFault::DiskFull, file.fileName());
    case QFileDevice::RenameError:
        return failure(FileFault::NotReplaced, file.fileName());
    default:
        return failure(FileFault::WriteInterrupted, file.fileName());
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
        return failure(FileFault::NameIsFolder, fileName);
    if (!QFileInfo(folder).isDir())
        return failure(FileFault::FolderMissing, folder);
    const int nameLength = platform::nameLength(target.fileName());
    if (const int longest = longestFileName(folder); nameLength > longest) {
        Failure tooLong = failure(FileFault::NameTooLong, fileName);
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

dorvane::Result<QByteArray> readFile(const QString &fileName, qint64 mostBytes)
{
    const auto refused = [&](FileFault reason) {
        Failure why = failure(reason, fileName);
        why.file = why.subject;
        why.limit = mostBytes;
        return why;
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || !QFileInfo(fileName).isFile())
        return refused(FileFault::Unreadable);
    const qint64 size = file.size();
    if (size > mostBytes)
        return refused(FileFault::TooLarge);
    // A read that fails or stops short (a disk error, a file cut while read) is said as such,
    // not as a fault of the file's text.
    const QByteArray bytes = file.read(mostBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() < size)
        return refused(FileFault::ReadShort);
    if (bytes.size() > mostBytes)
        return refused(FileFault::TooLarge);
    return bytes;
}

dorvane::Result<dorvane::ScalaScale> readScalaFile(const QString &fileName)
{
    const dorvane::Result<QByteArray> bytes = readFile(fileName, qint64(dorvane::MostScalaBytes));
    if (!bytes)
        return bytes.failure();
    dorvane::Result<dorvane::ScalaScale> read =
        dorvane::ReadScala(std::string_view(bytes->constData(), std::size_t(bytes->size())));
    if (read)
        return read;
    Failure why = read.failure();
    why.file = QDir::toNativeSeparators(fileName).toStdString();
    return why;
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

} // namespace files
