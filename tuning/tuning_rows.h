// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning of a table as a tuner needs it, fret by fret: the note, the exact interval, its
// size in cents, how far it lies from equal temperament, the position and the distance from
// the fret before. Free of Qt: the tuning window and the command line both show these texts.
#pragma once

#include "fret_table.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvane
{

using TuningRow = std::vector<std::string>;

// The open string's frequency that a tuning can be given, in hertz.
inline constexpr double LeastFrequency = 1;
inline constexpr double MostFrequency = 20000;

// "Frette", "Note", "Intervalle", "Cents", "Écart au tempéré", "Position", "Depuis la frette
// précédente", and with a frequency "Fréquence (Hz)".
TuningRow TuningTitles(bool withFrequency = false);

// One row a fret, its figures with the separator given: Zarlino's first fret at 650 reads "1",
// "Do #", "25/24", "70,67", "-29,33 (Do #)", "26", "26"; with the open string's frequency, each
// fret's to the hundredth of a hertz last: 261.63 Hz gives "272,53" for 25/24.
std::vector<TuningRow> TuningRows(const FretTable &table, std::string_view separator,
                                  std::optional<double> openFrequency = std::nullopt);

// Cents to two decimals, with the separator given: "203,91"; signed where asked: "+3,91".
std::string CentsText(double cents, std::string_view separator, bool signedText = false);

} // namespace dorvane
