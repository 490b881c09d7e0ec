// SPDX-License-Identifier: GPL-3.0-or-later
// The scale tables walked for many lengths: the properties every table of frets must have.
#include "systems.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <numeric>
#include <vector>

using namespace dorvane;

namespace
{

// What a table of frets holds, fret by fret from 0.
struct Table {
    std::map<int, Currency> positions;
    std::map<int, std::string> notes;
};

Table tableOf(const TableChoice &choice)
{
    Table table;
    for (const Fret &fret : TableOf(choice).frets) {
        table.positions[fret.number - 1] = fret.position;
        table.notes[fret.number - 1] = fret.note;
    }
    return table;
}

const ScaleSystem &systemOf(ScaleKind kind)
{
    return *FindSystem(kind);
}

struct NamedScale {
    std::string name;
    TableChoice choice;
    int frets; // as many as the rows of its sheet
};

int rowsOf(Sheet sheet)
{
    return sheet == Sheet::Rows14   ? 14
           : sheet == Sheet::Rows24 ? 24
           : sheet == Sheet::Rows34 ? 34
                                    : 42;
}

std::vector<NamedScale> everyTable(Currency length)
{
    std::vector<NamedScale> tables;
    for (const ScaleSystem &system : scales::Systems)
        tables.push_back({std::string(system.name), {&system, 0, length}, rowsOf(system.sheet)});
    for (int mode = 1; mode < scales::ModeCount; ++mode)
        tables.push_back({"mode " + std::to_string(mode),
                          {&systemOf(ScaleKind::PythagoreanDiatonic), mode, length},
                          14});
    return tables;
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
        for (const NamedScale &scale : everyTable(Currency::fromScaled(6500000))) {
            const FretTable table = TableOf(scale.choice);
            QCOMPARE(int(table.frets.size()), scale.frets);
            for (const Fret &fret : table.frets)
                QVERIFY2(!fret.note.empty() && fret.note.back() != ' ', scale.name.c_str());
        }
        // No fret is given twice by the parts of a system.
        for (const ScaleSystem &system : scales::Systems) {
            std::vector<int> given;
            for (Scale part : {system.shared, system.own}) {
                for (const ScaleRow &row : part)
                    given.push_back(row.fret);
            }
            std::sort(given.begin(), given.end());
            QVERIFY(std::adjacent_find(given.begin(), given.end()) == given.end());
            QCOMPARE(int(given.size()), rowsOf(system.sheet));
        }
    }

    void positionsGrowDownTheRows()
    {
        for (const NamedScale &named : everyTable({})) {
            for (qint64 scaled : lengths) {
                NamedScale scale = named;
                scale.choice.length = Currency::fromScaled(scaled);
                const Table table = tableOf(scale.choice);
                if (scaled < 10000)
                    continue; // below 1 the first frets round to the same ten-thousandth
                Currency previous;
                for (const auto &[row, position] : table.positions) {
                    QVERIFY2(position > previous, qPrintable(QStringLiteral("%1 at %2, row %3")
                                                                 .arg(scale.name.c_str())
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
        for (const NamedScale &scale : everyTable({})) {
            for (qint64 scaled : lengths) {
                TableChoice choice = scale.choice;
                choice.length = Currency::fromScaled(scaled);
                const Table up = tableOf(choice);
                choice.length = Currency::fromScaled(-scaled);
                const Table down = tableOf(choice);
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
        for (const NamedScale &scale : everyTable({})) {
            for (const auto &[row, position] : tableOf(scale.choice).positions)
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
        // A note that both scales have shows the same position, octave for octave: the second
        // octave begins after the first Do.
        QFETCH(bool, zarlino);
        const ScaleSystem &simplifiedSystem =
            systemOf(zarlino ? ScaleKind::ZarlinoSimplifiedChromatic
                             : ScaleKind::PythagoreanSimplifiedChromatic);
        const ScaleSystem &fullSystem =
            systemOf(zarlino ? ScaleKind::ZarlinoChromatic : ScaleKind::PythagoreanChromatic);
        const auto secondOctave = [](const Table &table, int fret) {
            for (const auto &[f, note] : table.notes) {
                if (note == "Do")
                    return fret > f;
            }
            return false;
        };
        for (qint64 scaled : lengths) {
            const Currency length = Currency::fromScaled(scaled);
            const Table simplified = tableOf({&simplifiedSystem, 0, length});
            const Table whole = tableOf({&fullSystem, 0, length});
            int matched = 0;
            for (const auto &[fret, note] : simplified.notes) {
                for (const auto &[fullFret, fullNote] : whole.notes) {
                    if (fullNote == note &&
                        secondOctave(whole, fullFret) == secondOctave(simplified, fret)) {
                        QCOMPARE(simplified.positions.at(fret), whole.positions.at(fullFret));
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
            const ScaleSystem &pythagoras = systemOf(ScaleKind::PythagoreanDiatonic);
            const Table major = tableOf({&pythagoras, 0, length});
            for (int mode = 1; mode < scales::ModeCount; ++mode) {
                const Table table = tableOf({&pythagoras, mode, length});
                QCOMPARE(table.positions.at(6), major.positions.at(6));
                QCOMPARE(table.positions.at(13), major.positions.at(13));
                for (const ScaleRow &row : scales::Modes[mode].rows)
                    QVERIFY(row.note.empty() == (row.fret == 6 || row.fret == 13));
            }
        }
    }

    void secondOctaveRepeatsTheFirstOnTheHalfLength()
    {
        // The same ratio on H 7 frets on (diatonic), 17 (Pythagoras' chromatic) or 21 (Zarlino's).
        struct Octaves {
            Scale scale;
            int offset;
        };
        const Octaves scalesWithOctaves[] = {{scales::PythagoreanChromatic, 17},
                                             {scales::ZarlinoChromatic, 21},
                                             {scales::Modes[3].rows, 7}};
        for (const Octaves &o : scalesWithOctaves) {
            for (const ScaleRow &row : o.scale) {
                if (row.position.form != Form::RatioOnLength)
                    continue;
                const auto second = std::find_if(o.scale.begin(), o.scale.end(), [&](auto &r) {
                    return r.fret == row.fret + o.offset;
                });
                QVERIFY(second != o.scale.end());
                QCOMPARE(second->position.form, Form::RatioOnHalf);
                QCOMPARE(second->position.a, row.position.a);
                QCOMPARE(second->position.b, row.position.b);
                QCOMPARE(second->note, row.note);
            }
        }
    }

    void ratiosAreInLowestTerms()
    {
        // The intervals that the outputs show are taken from the tables' ratios as they stand.
        const auto lowest = [](const ScaleRow &row) {
            return (row.position.form != Form::RatioOnLength &&
                    row.position.form != Form::RatioOnHalf) ||
                   std::gcd(std::uint64_t(row.position.a), std::uint64_t(row.position.b)) == 1;
        };
        for (const ScaleSystem &system : scales::Systems) {
            for (Scale part : {system.shared, system.own})
                QVERIFY(std::all_of(part.begin(), part.end(), lowest));
        }
        for (const scales::Mode &mode : scales::Modes)
            QVERIFY(std::all_of(mode.rows.begin(), mode.rows.end(), lowest));
    }

    void intervals_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("fret");
        QTest::addColumn<QString>("interval"); // a/b, or n\\12
        QTest::newRow("9/8 on the length") << int(ScaleKind::ZarlinoDiatonic) << 1 << "9/8";
        QTest::newRow("9/8 on the half length is 9/4")
            << int(ScaleKind::ZarlinoDiatonic) << 8 << "9/4";
        QTest::newRow("5/3 on the half length is 10/3")
            << int(ScaleKind::ZarlinoDiatonic) << 12 << "10/3";
        QTest::newRow("the half length shown is 2/1")
            << int(ScaleKind::ZarlinoDiatonic) << 7 << "2/1";
        QTest::newRow("the difference is 2/1") << int(ScaleKind::ZarlinoChromatic) << 21 << "2/1";
        QTest::newRow("the double octave is 4/1")
            << int(ScaleKind::ZarlinoChromatic) << 42 << "4/1";
        QTest::newRow("7 tempered semitones") << int(ScaleKind::TemperedChromatic) << 7 << "7\\12";
    }
    void intervals()
    {
        QFETCH(int, kind);
        QFETCH(int, fret);
        QFETCH(QString, interval);
        const FretTable table = TableOf({FindSystem(ScaleKind(kind)), 0, Currency()});
        const Interval i = table.frets[std::size_t(fret - 1)].interval;
        QCOMPARE(i.kind == Interval::Kind::Steps
                     ? QString("%1\\%2").arg(i.steps).arg(i.division)
                     : QString("%1/%2").arg(i.numerator).arg(i.denominator),
                 interval);
    }

    void largeLengthsStayExact()
    {
        // 10^9: positions still to the ten-thousandth; the octave of equal temperament is the
        // half length itself only up to the factor's excess over 2^(-1/12).
        const Currency length = Currency::fromScaled(10000000000000);
        const Table zarlino = tableOf({&systemOf(ScaleKind::ZarlinoChromatic), 0, length});
        QCOMPARE(CurrencyText(zarlino.positions.at(20), ",").str(), "500000000");
        QCOMPARE(CurrencyText(zarlino.positions.at(41), ",").str(), "750000000");
        QCOMPARE(CurrencyText(zarlino.positions.at(0), ",").str(), "40000000");
    }
};

QTEST_APPLESS_MAIN(TestScales)
#include "tst_scales.moc"
