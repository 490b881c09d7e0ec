// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontDatabase>
#include <QHash>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>

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

// Faces that come with the program, in a "fonts" folder beside it, as on Windows, whose own
// faces may lack the design's; a program installed on Linux has its system's.
void loadOwnFaces()
{
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    if (!folder.exists())
        return;
    for (const QString &face : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(folder.filePath(face));
}

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

} // namespace

void setFont(QWidget *widget, const QFont &font)
{
    if (widget->font() != font)
        widget->setFont(font);
}

void prepareApplication()
{
    loadOwnFaces();
    installToolkitTranslations();
    QApplication::setStyle(QStringLiteral("Fusion"));
    installFontSubstitutes();
    // The design's most common font as the default: no control then loads a face it never uses.
    QApplication::setFont(font("MS Sans Serif", 8.25));
}

namespace
{

class EnterPresses : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        static_cast<QAbstractButton *>(watched)->click();
        return true;
    }
};

} // namespace

void pressOnEnter(QAbstractButton *button)
{
    static EnterPresses presses;
    button->installEventFilter(&presses);
}

QPushButton *commandButton(QDialogButtonBox *buttons, const char *name, const char *text)
{
    QPushButton *button = buttons->addButton(QString::fromUtf8(text), QDialogButtonBox::ActionRole);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    pressOnEnter(button);
    return button;
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
