// SPDX-License-Identifier: GPL-3.0-or-later
// The scale tables walked for many lengths: the properties every table of frets must have.
#include "systems.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <vector>

using namespace dorvane;

namespace
{

// Collects what a walk writes, row by row.
struct Table : RowWriter {
    std::map<int, Currency> positions;
    std::map<int, std::string> notes;
    std::vector<int> order;
    void writePosition(int row, Currency position) override
    {
        positions[row] = position;
        order.push_back(row);
    }
    void writeNote(int row, std::string_view note) override { notes[row] = std::string(note); }
};

Table walk(const std::vector<Scale> &parts, Currency length)
{
    Table table;
    const Currency half = HalfLength(length);
    for (Scale part : parts) {
        WritePositions(part, length, half, table);
        WriteNotes(part, table);
    }
    return table;
}

struct NamedScale {
    const char *name;
    std::vector<Scale> parts;
    RowSet rows;
};

std::vector<NamedScale> everyTable()
{
    std::vector<NamedScale> tables;
    for (const ScaleSystem &system : scales::Systems)
        tables.push_back({system.name.data(), {system.shared, system.own}, system.rows});
    for (int mode = 1; mode < scales::ModeCount; ++mode)
        tables.push_back({"mode", {scales::Modes[mode].rows}, scales::DiatonicRows});
    return tables;
}

std::vector<int> rowsOf(RowSet set)
{
    std::vector<int> rows;
    for (const RowRange &range : set) {
        for (int i = range.first; i <= range.last; ++i)
            rows.push_back(i);
    }
    return rows;
}

const qint64 lengths[] = {1,       10000,     75000,      1000000,       3333333,    6500000,
                          6500001, 6499999,   9999999,    123456789,     1000000000, 63500000,
                          7777777, 100000000, 9876543210, 10000000000000};

} // namespace

class TestScales : public QObject
{
    Q_OBJECT

private slots:
    void everyTableFillsExactlyItsRowSet()
    {
        for (const NamedScale &scale : everyTable()) {
            const Table table = walk(scale.parts, Currency::fromScaled(6500000));
            std::vector<int> written;
            for (const auto &[row, position] : table.positions)
                written.push_back(row);
            QCOMPARE(written, rowsOf(scale.rows));
            // No row is written twice by one walk.
            QCOMPARE(table.order.size(), written.size());
        }
    }

    void positionsGrowDownTheRows()
    {
        for (const NamedScale &scale : everyTable()) {
            for (qint64 scaled : lengths) {
                const Table table = walk(scale.parts, Currency::fromScaled(scaled));
                if (scaled < 10000)
                    continue; // below 1 the first frets round to the same ten-thousandth
                Currency previous;
                for (const auto &[row, position] : table.positions) {
                    QVERIFY2(position > previous, qPrintable(QStringLiteral("%1 at %2, row %3")
                                                                 .arg(scale.name)
                                                                 .arg(scaled)
                                                                 .arg(row)));
                    previous = position;
                }
                QVERIFY(previous < Currency::fromScaled(scaled));
            }
        }
    }

    void negativeLengthsMirrorPositiveOnes()
    {
        for (const NamedScale &scale : everyTable()) {
            for (qint64 scaled : lengths) {
                const Table up = walk(scale.parts, Currency::fromScaled(scaled));
                const Table down = walk(scale.parts, Currency::fromScaled(-scaled));
                for (const auto &[row, position] : up.positions) {
                    const std::string text = CurrencyText(position, ",").str();
                    QCOMPARE(CurrencyText(down.positions.at(row), ",").str(),
                             position == Currency{} ? text : "-" + text);
                }
            }
        }
    }

    void zeroLengthGivesZeroEverywhere()
    {
        for (const NamedScale &scale : everyTable()) {
            for (const auto &[row, position] : walk(scale.parts, Currency{}).positions)
                QCOMPARE(position, Currency{});
        }
    }

    void simplifiedNotesMatchTheFullChromaticScales_data()
    {
        QTest::addColumn<bool>("zarlino");
        QTest::newRow("Zarlino") << true;
        QTest::newRow("Pythagoras") << false;
    }
    void simplifiedNotesMatchTheFullChromaticScales()
    {
        // A note that both scales have shows the same position, octave for octave.
        QFETCH(bool, zarlino);
        const Scale own = zarlino ? scales::ZarlinoSimplifiedOwn : scales::PythagoreanSimplifiedOwn;
        const Scale full = zarlino ? scales::ZarlinoChromatic : scales::PythagoreanChromatic;
        const int fullSecondOctave = 21;
        for (qint64 scaled : lengths) {
            const Currency length = Currency::fromScaled(scaled);
            Table simplified = walk({scales::SimplifiedShared, own}, length);
            WriteNotes(scales::ChromaticNotes, simplified);
            const Table whole = walk({full}, length);
            int matched = 0;
            for (const auto &[row, note] : simplified.notes) {
                const bool secondOctave = row >= 26;
                for (const auto &[fullRow, fullNote] : whole.notes) {
                    if (fullNote == note && (fullRow >= fullSecondOctave) == secondOctave) {
                        QCOMPARE(simplified.positions.at(row), whole.positions.at(fullRow));
                        ++matched;
                    }
                }
            }
            QCOMPARE(matched, 24);
        }
    }

    void modesKeepTheOctavesOfTheMajorScale()
    {
        for (qint64 scaled : lengths) {
            const Currency length = Currency::fromScaled(scaled);
            const Table major =
                walk({scales::DiatonicShared, scales::PythagoreanDiatonicOwn}, length);
            for (int mode = 1; mode < scales::ModeCount; ++mode) {
                const Table table = walk({scales::Modes[mode].rows}, length);
                QCOMPARE(table.positions.at(6), major.positions.at(6));
                QCOMPARE(table.positions.at(17), major.positions.at(17));
                QVERIFY(!table.notes.contains(6) && !table.notes.contains(17));
            }
        }
    }

    void secondOctaveRepeatsTheFirstOnTheHalfLength()
    {
        // The same ratio on H in row r + 11 (diatonic) or r + 21 (chromatic with sharps and flats).
        struct Octaves {
            Scale scale;
            int offset;
        };
        const Octaves scalesWithOctaves[] = {{scales::PythagoreanChromatic, 21},
                                             {scales::ZarlinoChromatic, 21},
                                             {scales::Modes[3].rows, 11}};
        for (const Octaves &o : scalesWithOctaves) {
            for (const ScaleRow &row : o.scale) {
                if (row.position.form != Form::RatioOnLength)
                    continue;
                const auto second = std::find_if(o.scale.begin(), o.scale.end(), [&](auto &r) {
                    return r.row == row.row + o.offset;
                });
                QVERIFY(second != o.scale.end());
                QCOMPARE(second->position.form, Form::RatioOnHalf);
                QCOMPARE(second->position.a, row.position.a);
                QCOMPARE(second->position.b, row.position.b);
                QCOMPARE(second->note, row.note);
            }
        }
    }

    void largeLengthsStayExact()
    {
        // 10^9: positions still to the ten-thousandth; the octave of equal temperament is the
        // half length itself only up to the factor's excess over 2^(-1/12).
        const Currency length = Currency::fromScaled(10000000000000);
        const Table zarlino = walk({scales::ZarlinoChromatic}, length);
        QCOMPARE(CurrencyText(zarlino.positions.at(20), ",").str(), "500000000");
        QCOMPARE(CurrencyText(zarlino.positions.at(41), ",").str(), "750000000");
        QCOMPARE(CurrencyText(zarlino.positions.at(0), ",").str(), "40000000");
    }
};

QTEST_APPLESS_MAIN(TestScales)
#include "tst_scales.moc"
