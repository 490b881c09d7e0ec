// SPDX-License-Identifier: GPL-3.0-or-later
// What a length box makes of a text it cannot read whole, said at once beside it, and to
// screen readers through the box's description: the main window's, and the tuning window's.
#pragma once

#include "length_reading.h"

#include <QLabel>
#include <string_view>

class QLineEdit;

class LengthHint : public QLabel
{
public:
    // Below the box, over `window` (the box's parent if none); hidden while the text reads as
    // a length. A box that takes a comma before the decimals, as the program's own windows do,
    // is told so.
    explicit LengthHint(QLineEdit *box, bool commaTaken = false, QWidget *window = nullptr);

    // Shows what was read of the text and what was ignored, or hides for a valid length; the
    // box's ground says it too: yellow when partly read, red when out of range.
    void explain(std::string_view utf8Text, const dorvane::StoredLength &stored);

    // "650,5": "Lu : 650 — « ,5 » est ignoré : les décimales se séparent par un point" (where
    // the comma is not taken); "abc": "Aucun nombre au début : la longueur est 0"; empty for a
    // valid length.
    static QString explanation(std::string_view utf8Text, const dorvane::StoredLength &stored,
                               bool commaTaken = false);

private:
    QLineEdit *box;
    bool commaTaken;
    QString boxDescription; // what the box says of itself while its text is valid
    dorvane::LengthState shown = dorvane::LengthState::Valid;
};
