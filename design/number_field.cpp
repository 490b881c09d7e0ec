// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_field.h"

#include "length_reading.h"
#include "look.h"

#include <QKeyEvent>

using namespace dorvane;

namespace
{

const QColor refusedColour(255, 170, 170);

} // namespace

NumberField::NumberField(const QString &name, std::string separator, QWidget *parent)
    : QLineEdit(parent), separator(std::move(separator))
{
    setObjectName(name);
    connect(this, &QLineEdit::textEdited, this, [this] {
        showState();
        emit valueEdited();
    });
    connect(this, &QLineEdit::editingFinished, this, &NumberField::showAsWritten);
}

// Left with a number, the field shows it as the program writes numbers: "0.60" becomes "0,6".
void NumberField::showAsWritten()
{
    const auto read = value();
    if (read && text() != QString::fromStdString(CurrencyText(*read, separator).str()))
        setValue(*read);
}

void NumberField::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        showAsWritten();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::setRange(Currency least, Currency most)
{
    range = {least, most};
    showState();
}

std::optional<Currency> NumberField::value() const
{
    const StoredLength read = DecimalFromText(text().toStdString());
    if (read.state != LengthState::Valid ||
        (range && (read.value < range->first || read.value > range->second)))
        return std::nullopt;
    return read.value;
}

void NumberField::setValue(Currency value)
{
    setText(QString::fromStdString(CurrencyText(value, separator).str()));
    showState();
}

QString NumberField::problem() const
{
    if (value() || (optional && text().trimmed().isEmpty()))
        return QString();
    const StoredLength read = DecimalFromText(text().toStdString());
    if (text().trimmed().isEmpty())
        return QStringLiteral("tapez un nombre");
    if (read.state == LengthState::Valid && range)
        return QStringLiteral("« %1 » va de %2 à %3")
            .arg(text().left(20),
                 QString::fromStdString(CurrencyText(range->first, separator).str()),
                 QString::fromStdString(CurrencyText(range->second, separator).str()));
    if (read.state == LengthState::OutOfRange)
        return QStringLiteral("« %1 » est hors limites").arg(text().left(20));
    return QStringLiteral("« %1 » n'est pas un nombre").arg(text().left(20));
}

void NumberField::showState()
{
    const bool nowRefused = !problem().isEmpty();
    if (nowRefused == refused)
        return;
    refused = nowRefused;
    if (refused) {
        design::setBackground(this, refusedColour);
    } else {
        setPalette(QPalette());
        setAutoFillBackground(false);
    }
}
