// SPDX-License-Identifier: GPL-3.0-or-later
#include "design.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPainter>
#include <QResource>
#include <QTranslator>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace design
{

namespace
{

// Whether a family is installed, from the list the font database holds: asking the database
// itself (hasFamily) has the font system resolve aliases, several milliseconds a name.
bool installed(const QString &family)
{
    static const QStringList families = QFontDatabase::families();
    return std::any_of(families.begin(), families.end(), [&family](const QString &f) {
        // A family that several foundries provide is listed as "Family [Foundry]".
        return f.compare(family, Qt::CaseInsensitive) == 0 ||
               (f.startsWith(family, Qt::CaseInsensitive) && f.size() > family.size() &&
                f.mid(family.size()).startsWith(QLatin1String(" [")));
    });
}

} // namespace

QFont font(const char *family, double points)
{
    // The face for a design name is chosen once: the family itself where the system has it,
    // otherwise its first substitute that it has. Asking the font system for installed faces
    // only spares it a search for fallbacks of every missing name.
    static QHash<QString, QString> faces;
    const QString name = QString::fromLatin1(family);
    auto face = faces.constFind(name);
    if (face == faces.constEnd()) {
        QString chosen = name;
        if (!installed(name)) {
            const QStringList substitutes = QFont::substitutes(name);
            const auto first = std::find_if(substitutes.begin(), substitutes.end(), installed);
            if (first != substitutes.end())
                chosen = *first;
        }
        face = faces.insert(name, chosen);
    }
    QFont f(*face);
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(true);
    return f;
}

namespace
{

void installFontSubstitutes()
{
    // Metric-compatible faces for the two families the system may lack. "MS Sans Serif" was a
    // small bitmap sans face; the Arial-compatible face stands in for it too, rather than a
    // wide one that would clip the numbers, and one face loads faster than two.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
}

// The toolkit's own texts (the editing menu of a box, the print and file dialogs) in French,
// like the rest of the program, whatever the system's language.
void installToolkitTranslations()
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_fr"), folder)) {
        QCoreApplication::installTranslator(translator);
        return;
    }
    delete translator;
    std::fprintf(stderr,
                 "dorvane: the toolkit's French texts (qtbase_fr.qm) are not in %s; its menus "
                 "and dialogs stay in English\n",
                 qPrintable(QDir::toNativeSeparators(folder)));
}

// A text box with the classic sunken border of two pixels, drawn with plain fills: a table of
// 86 boxes repaints several times faster than with the style's rounded, antialiased frames.
class SunkenBox : public QLineEdit
{
public:
    explicit SunkenBox(QWidget *parent) : QLineEdit(parent)
    {
        setFrame(false);
        setTextMargins(Border, 0, Border, 0);
        setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted here
    }

protected:
    // A box lays its text out again in a new font, which loads the font from the system: a box
    // still hidden does so only when it is first shown, as some are never shown.
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::FontChange && !isVisible()) {
            fontChangePending = true;
            return;
        }
        QLineEdit::changeEvent(event);
    }
    void showEvent(QShowEvent *event) override
    {
        if (fontChangePending) {
            fontChangePending = false;
            QEvent fontChange(QEvent::FontChange);
            QLineEdit::changeEvent(&fontChange);
        }
        QLineEdit::showEvent(event);
    }

    void paintEvent(QPaintEvent *event) override
    {
        QLineEdit::paintEvent(event);
        QPainter painter(this);
        const QPalette &p = palette();
        const int w = width();
        const int h = height();
        painter.fillRect(0, 0, w, 1, p.color(QPalette::Dark));
        painter.fillRect(0, 0, 1, h, p.color(QPalette::Dark));
        painter.fillRect(1, 1, w - 2, 1, p.color(QPalette::Shadow));
        painter.fillRect(1, 1, 1, h - 2, p.color(QPalette::Shadow));
        painter.fillRect(0, h - 1, w, 1, p.color(QPalette::Light));
        painter.fillRect(w - 1, 0, 1, h, p.color(QPalette::Light));
        painter.fillRect(1, h - 2, w - 2, 1, p.color(QPalette::Midlight));
        painter.fillRect(w - 2, 1, 1, h - 2, p.color(QPalette::Midlight));
    }

private:
    static constexpr int Border = 2;
    bool fontChangePending = false;
};

} // namespace

void setFont(QWidget *widget, const QFont &font)
{
    if (widget->font() != font)
        widget->setFont(font);
}

QLineEdit *textBox(QWidget *parent, const QString &name, QRect place, const QFont &font)
{
    auto *box = new SunkenBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    setFont(box, font);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

void prepareApplication()
{
    installToolkitTranslations();
    QApplication::setStyle(QStringLiteral("Fusion"));
    installFontSubstitutes();
    // The design's most common font as the default: no control then loads a face it never uses.
    QApplication::setFont(font("MS Sans Serif", 8.25));
}

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

QIcon windowIcon()
{
    QIcon icon;
    for (const char *file : {":/resources/dorvane-32.png", ":/resources/dorvane-16.png"})
        icon.addPixmap(QPixmap::fromImage(picture(file)));
    return icon;
}

void nameFretBoxes(QWidget *position, QWidget *note, int fret)
{
    const QString fretName = QStringLiteral("Frette %1 : ").arg(fret);
    const auto name = [&](QWidget *box, const QString &holds, const char *description) {
        const QString wanted = fret > 0 ? fretName + holds : QString();
        if (box->accessibleName() != wanted)
            box->setAccessibleName(wanted);
        if (box->accessibleDescription().isEmpty())
            box->setAccessibleDescription(QString::fromUtf8(description));
    };
    name(position, QStringLiteral("position"),
         "Distance de la frette au sillet, dans l'unité de la longueur vibrante");
    name(note, QStringLiteral("note"), "Note que donne la frette");
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setBoxText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

QColor tooltipBackground()
{
    return QApplication::palette().color(QPalette::ToolTipBase);
}

QColor scrollBarColour()
{
    return QApplication::palette().color(QPalette::Button);
}

QColor menuBarColour()
{
    return QApplication::palette().color(QPalette::Window);
}

} // namespace design
