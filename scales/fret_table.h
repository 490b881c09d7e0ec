// SPDX-License-Identifier: GPL-3.0-or-later
// The table of frets that every output is made of: the window's boxes, the result sheets, the
// template, the command line. One entry a fret, counted from the nut, in the scale's order.
#pragma once

#include "currency.h"
#include "interval.h"

#include <functional>
#include <string>
#include <vector>

namespace dorvane
{

struct Fret {
    int number;       // 1 for the first fret above the open string
    std::string note; // unpadded: "Ré", "Sol #"
    Currency position;
    Interval interval;
};

struct FretTable {
    std::string title; // "Pythagore Diatonique, mode de Ré"; empty for an empty table
    Currency length;
    std::vector<Fret> frets;
    std::string open{}; // the open string's note, where it is not the scale's first, "Mi"

    bool empty() const { return frets.empty(); }
};

// The table of a string of any length in the tuning of another: TableOf at that length. The
// other strings of a board take their frets from it.
using TableAt = std::function<FretTable(Currency length)>;

} // namespace dorvane
