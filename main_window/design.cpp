#include "design.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPainter>
#include <QTranslator>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace design
{

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
        if (!QFontDatabase::hasFamily(name)) {
            const QStringList substitutes = QFont::substitutes(name);
            const auto installed =
                std::find_if(substitutes.begin(), substitutes.end(),
                             [](const QString &s) { return QFontDatabase::hasFamily(s); });
            if (installed != substitutes.end())
                chosen = *installed;
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
};

} // namespace

QLineEdit *textBox(QWidget *parent, const QString &name, QRect place, const QFont &font)
{
    auto *box = new SunkenBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setFont(font);
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
