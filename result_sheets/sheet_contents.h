// SPDX-License-Identifier: GPL-3.0-or-later
// What a result sheet is given when it opens: the texts of the main window's boxes as they
// stand, the user's typing included, and the table of frets they were computed as, for the
// outputs that compute again at full size. The main window makes it; the sheet never looks
// inside the window.
#pragma once

#include "fret_table.h"
#include "string_tuning.h"
#include "table_rows.h"

#include <QString>
#include <array>

struct SheetContents {
    std::array<QString, design::RowCount> positions; // the position box of each row, "72,2222"
    std::array<QString, design::RowCount> notes;     // its name box, "Ré  "
    // The length as typed, "650"; as it was read when the text was read only in part: "647"
    // for "647,7", "0" for "1e15".
    QString length;
    // What the length box says of a text it could not read whole ("Lu : 647 — « ,7 » est
    // ignoré…"); empty when the length was read as typed.
    QString lengthExplanation;
    // The scale whose table is shown, with its mode; what the list shows while it is empty.
    QString scaleName;
    dorvane::FretTable table;
    dorvane::TableAt tableAt; // the table's scale at another length
    dorvane::Degrees degrees; // and its degrees, to which a board's strings are tuned
};
