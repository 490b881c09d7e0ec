// SPDX-License-Identifier: GPL-3.0-or-later
#include "tuning_rows.h"

#include "decimal_text.h"
#include "deviation.h"

#include <cmath>

namespace dorvane
{

TuningRow TuningTitles(bool withFrequency)
{
    TuningRow titles = {"Frette",
                        "Note",
                        "Intervalle",
                        "Cents",
                        "Écart au tempéré",
                        "Position",
                        "Depuis la frette précédente"};
    if (withFrequency)
        titles.push_back("Fréquence (Hz)");
    return titles;
}

std::string CentsText(double cents, std::string_view separator, bool signedText)
{
    double hundredths = std::nearbyint(cents * 100.0);
    if (hundredths == 0)
        hundredths = 0; // no "-0,00"
    return DecimalText(hundredths / 100.0, 2, separator, signedText);
}

std::vector<TuningRow> TuningRows(const FretTable &table, std::string_view separator,
                                  std::optional<double> openFrequency)
{
    std::vector<TuningRow> rows;
    rows.reserve(table.frets.size());
    Currency previous;
    for (const Fret &fret : table.frets) {
        const double cents = CentsOf(fret.interval);
        const Deviation deviation = DeviationOf(fret.interval, fret.note, table.open);
        rows.push_back({std::to_string(fret.number), fret.note,
                        IntervalText(fret.interval, Notation::Table, separator),
                        CentsText(cents, separator),
                        CentsText(deviation.cents, separator, true) + " (" + deviation.note + ")",
                        CurrencyText(fret.position, separator).str(),
                        CurrencyText(fret.position - previous, separator).str()});
        if (openFrequency)
            rows.back().push_back(
                DecimalText(*openFrequency * FactorOf(fret.interval), 2, separator));
        previous = fret.position;
    }
    return rows;
}

} // namespace dorvane
