// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_box.h"

#include "look.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <limits>

namespace design
{

namespace
{

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

QLineEdit *textBox(QWidget *parent, const QString &name, QRect place, const QFont &font)
{
    auto *box = new SunkenBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    setFont(box, font);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
}

void setBoxText(QLineEdit *box, const QString &text)
{
    box->setText(text);
    box->setCursorPosition(0);
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

namespace
{

// Refuses the boxes the keys they would take before the window's shortcuts see them.
class CommandKeys : public QObject
{
public:
    CommandKeys(const QList<QKeySequence> &keys, QObject *parent) : QObject(parent), keys(keys) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        const QKeySequence pressed(static_cast<QKeyEvent *>(event)->keyCombination());
        return keys.contains(pressed); // left unaccepted: the shortcut runs
    }

private:
    QList<QKeySequence> keys;
};

} // namespace

void commandsBeforeEditingKeys(QWidget *window, const QList<QKeySequence> &keys)
{
    auto *filter = new CommandKeys(keys, window);
    for (QLineEdit *box : window->findChildren<QLineEdit *>())
        box->installEventFilter(filter);
}

} // namespace design
