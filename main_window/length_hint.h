// SPDX-License-Identifier: GPL-3.0-or-later
// What the length box makes of a text it cannot read whole, said at once beside it, and to
// screen readers through the box's description.
#pragma once

#include "length_reading.h"

#include <QLabel>
#include <string_view>

class QLineEdit;

class LengthHint : public QLabel
{
public:
    // Below the box, in the box's window; hidden while the text reads as a length.
    explicit LengthHint(QLineEdit *box);

    // Shows what was read of the text and what was ignored, or hides for a valid length.
    void explain(std::string_view utf8Text, const dorvane::StoredLength &stored);

    // "650,5": "Lu : 650 — « ,5 » est ignoré : les décimales se séparent par un point";
    // "abc": "Aucun nombre au début : la longueur est 0"; empty for a valid length.
    static QString explanation(std::string_view utf8Text, const dorvane::StoredLength &stored);

private:
    QLineEdit *box;
    QString boxDescription; // what the box says of itself while its text is valid
};
