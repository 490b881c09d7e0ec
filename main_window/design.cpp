#include "design.h"

#include <QApplication>
#include <QLineEdit>
#include <QWidget>
#include <cmath>
#include <limits>

namespace design
{

QFont font(const char *family, double points)
{
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    f.setBold(true);
    return f;
}

void installFontSubstitutes()
{
    // Metric-compatible faces for the two families the system may lack; "MS Sans Serif" was a
    // narrow bitmap face, so a narrow sans face stands in for it rather than a wide one.
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
}

QLineEdit *textBox(QWidget *parent, const QString &name, QRect place, const QFont &font)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    box->setFont(font);
    box->setMaxLength(std::numeric_limits<int>::max());
    return box;
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
