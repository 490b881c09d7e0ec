// SPDX-License-Identifier: GPL-3.0-or-later
// The type of a template's texts, for the strip's labels and the board's alike.
#pragma once

#include "fret_template.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane::label_type
{

// Millimetres on paper, as a length in the unit: 2.5 mm is 0.0984 in.
inline Currency onPaper(double millimetres, Unit unit)
{
    return CurrencyFromDouble(millimetres / InfoOf(unit).millimetres);
}

inline std::string shown(Currency value, std::string_view separator)
{
    return CurrencyText(value, separator).str();
}

// The proportions of the labels' face (Liberation Sans, which the pages draw with and the SVG asks
// for): above and below the baseline, in ems, and a generous advance of a character.
constexpr double Ascent = 0.905;
constexpr double Descent = 0.212;
constexpr double LabelMm = 2.5;     // the height of a label's type, where there is room
constexpr double LabelGapMm = 0.7;  // between the strip and a label
constexpr double ClearanceMm = 0.3; // between two labels side by side

// Ems a text takes along its baseline, at least: "41  Si #  483,6111" takes about 8.6.
inline double advanceOf(std::string_view utf8)
{
    double ems = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue; // within a character
        if (c == ' ' || c == ',' || c == '.')
            ems += 0.28;
        else if ((c >= 'A' && c <= 'Z') || c == 'm' || c == 'w')
            ems += 0.84;
        else
            ems += 0.56;
    }
    return ems;
}

// The type of each of `count` labels, in millimetres: 2.5, or less where the labels on its
// side (every other one) stand closer than their text needs; `apart(i, j)` is how far labels
// i and j stand from each other, in millimetres.
template <class Apart> std::vector<double> labelHeights(std::size_t count, Apart apart)
{
    std::vector<double> heights(count, LabelMm);
    for (std::size_t i = 0; i < count; ++i) {
        for (std::size_t j : {i - 2, i + 2}) {
            if (j >= count)
                continue; // also i - 2 below 0
            heights[i] = std::min(heights[i], (apart(i, j) - ClearanceMm) / (Ascent + Descent));
        }
        heights[i] = std::max(heights[i], 0.05);
    }
    return heights;
}

} // namespace dorvane::label_type
