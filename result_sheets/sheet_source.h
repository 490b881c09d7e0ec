// SPDX-License-Identifier: GPL-3.0-or-later
// What a result sheet copies when it loads: the texts of the main window's boxes as they stand,
// the user's typing included. The main window answers; the sheet never looks inside it.
#pragma once

#include "systems.h"

#include <QString>

class SheetSource
{
public:
    virtual QString positionText(int row) const = 0; // the position box of a row, "72,2222"
    virtual QString noteText(int row) const = 0;     // its name box, "Ré  "
    // The length as typed, "650"; as it was read when the text was read only in part: "647" for
    // "647,7", "0" for "1e15".
    virtual QString lengthText() const = 0;
    // What the length box says of a text it could not read whole ("Lu : 647 — « ,7 » est
    // ignoré…"); empty when the length was read as typed.
    virtual QString lengthExplanation() const = 0;
    virtual QString scaleText() const = 0; // what the scale list shows, "Gamme :"
    // What the table was computed from, for the outputs that compute it again at full size.
    virtual dorvane::TableChoice tableChoice() const = 0;

protected:
    ~SheetSource() = default;
};
