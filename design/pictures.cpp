// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QFileInfo>
#include <QImageReader>
#include <QResource>

namespace design
{

namespace
{

// An uncompressed 32-bit bitmap stored top-down, as a null image if the data is not one: its
// pixels, blue, green, red and an unused byte each, are laid out as those of an image in memory.
QImage topDownBitmap(const uchar *data, qint64 size)
{
    const auto field = [data](int offset, int bytes) {
        qint64 value = 0;
        for (int k = bytes - 1; k >= 0; --k)
            value = value * 256 + data[offset + k];
        return value;
    };
    constexpr int Headers = 14 + 40;
    if (size < Headers || data[0] != 'B' || data[1] != 'M')
        return QImage();
    const qint64 pixelsAt = field(10, 4);
    const qint64 width = field(18, 4);
    const qint64 height = (qint64(1) << 32) - field(22, 4); // stored negative: top-down
    const bool plain =
        field(14, 4) >= 40 && field(26, 2) == 1 && field(28, 2) == 32 && field(30, 4) == 0;
    if (!plain || width <= 0 || width > 65535 || height <= 0 || height > 65535 ||
        pixelsAt < Headers || pixelsAt + width * height * 4 > size)
        return QImage();
    return QImage(data + pixelsAt, int(width), int(height), int(width * 4), QImage::Format_RGB32);
}

} // namespace

QImage picture(const char *resource)
{
    const QString path = QString::fromLatin1(resource);
    // The program's own bitmaps are shown straight from its memory, without being read.
    const QResource stored(path);
    if (stored.compressionAlgorithm() == QResource::NoCompression) {
        const QImage mapped = topDownBitmap(stored.data(), stored.size());
        if (!mapped.isNull())
            return mapped;
    }
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage picture(const char *resource, qreal ratio)
{
    const int drawnFor = ratio <= 1 ? 1 : ratio <= 2 ? 2 : 3;
    if (drawnFor == 1)
        return picture(resource);
    const QString path = QString::fromLatin1(resource);
    const QString larger =
        path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral("@%1x.png").arg(drawnFor);
    QImageReader reader(larger, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull())
        return picture(resource);
    if (ratio != drawnFor) {
        const QSizeF size = QSizeF(image.size()) * (ratio / drawnFor);
        image = image.scaled(qRound(size.width()), qRound(size.height()), Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

QIcon icon(const char *resource)
{
    QIcon icon(QPixmap::fromImage(picture(resource)));
    for (qreal ratio : {2, 3})
        icon.addPixmap(QPixmap::fromImage(picture(resource, ratio)));
    return icon;
}

QIcon windowIcon()
{
    QIcon icon;
    for (const char *file : {":/resources/dorvane-32.png", ":/resources/dorvane-16.png"})
        icon.addPixmap(QPixmap::fromImage(picture(file)));
    return icon;
}

} // namespace design
