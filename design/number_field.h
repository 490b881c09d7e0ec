// SPDX-License-Identifier: GPL-3.0-or-later
// A field for a number in the program's own windows: "." and "," both read before the decimals,
// whatever the regional settings, and a number read whole is shown again with the regional
// separator once the field is left. A text that is not a number is never changed: it stays as
// typed, on a red ground, and the window says why.
#pragma once

#include "currency.h"

#include <QLineEdit>
#include <optional>
#include <string>

class NumberField : public QLineEdit
{
    Q_OBJECT

public:
    // `separator` is the one the field shows: the regional settings' ("," in France).
    NumberField(const QString &name, std::string separator, QWidget *parent);

    // A field that may stay empty: nothing typed is no fault, and the field stays white.
    void setOptional(bool optional) { this->optional = optional; }
    // The numbers the field takes, from `least` to `most`; others are refused as out of range.
    void setRange(dorvane::Currency least, dorvane::Currency most);

    // The number typed, to four decimals; none while the text is not a number ("0.6.1", ""),
    // or one out of the field's range.
    std::optional<dorvane::Currency> value() const;
    // Shows a number: 0.6 as "0,6" in France.
    void setValue(dorvane::Currency value);

    // "« 0.6.1 » n'est pas un nombre" while the text is not one, "« 0 » va de 1 à 20000" out
    // of range; empty otherwise.
    QString problem() const;

signals:
    void valueEdited(); // the user changed the text

protected:
    // Enter takes the number as Tab does, and goes no further: it does not close the window.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showState();
    void showAsWritten();

    std::string separator;
    bool refused = false;
    bool optional = false;
    std::optional<std::pair<dorvane::Currency, dorvane::Currency>> range;
};
