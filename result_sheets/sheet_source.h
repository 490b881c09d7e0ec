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
    virtual QString lengthText() const = 0;          // the length as typed, "650"
    virtual QString scaleText() const = 0;           // what the scale list shows, "Gamme :"
    // What the table was computed from, for the outputs that compute it again at full size.
    virtual dorvane::TableChoice tableChoice() const = 0;

protected:
    ~SheetSource() = default;
};
