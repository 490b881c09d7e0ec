// SPDX-License-Identifier: GPL-3.0-or-later
// Strings tuned to degrees: each string's frets by the rule, computed here from the ratios; the
// degrees read from notes or numbers, and refused by name; the frets cut in pieces where the
// strings disagree, whole wherever they agree.
#include "fingerboard.h"
#include "scala_scale.h"
#include "systems.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

using namespace dorvane;

Q_DECLARE_METATYPE(std::vector<int>)

namespace
{

struct TestScale {
    FretTable table;
    TableAt at;
    Degrees degrees;
};

// A system's scale, or a Scala file's given as its bytes.
TestScale scaleOf(const QString &name)
{
    if (const ScaleSystem *system = FindSystem(name.toStdString())) {
        const TableAt at = [system](Currency length) { return TableOf({system, 0, length}); };
        const FretTable table = at(CurrencyFromDouble(650));
        return {table, at, DegreesOf(table)};
    }
    static std::vector<ScalaScale> kept;
    kept.push_back(*ReadScala(name.toStdString()));
    const ScalaScale *scale = &kept.back();
    const TableAt at = [scale](Currency length) { return TableOf(*scale, length); };
    return {at(CurrencyFromDouble(650)), at, DegreesOf(*scale)};
}

Result<Fingerboard> boardOf(const TestScale &scale, const std::vector<int> &degrees)
{
    BoardSettings s;
    s.strings = int(degrees.size());
    s.nutSpan = CurrencyFromDouble(35);
    s.bridgeSpan = CurrencyFromDouble(52.5);
    s.overhang = CurrencyFromDouble(3.5);
    s.bassLength = CurrencyFromDouble(686);
    s.perpendicular = 7;
    s.tuning = {scale.degrees, degrees};
    return MakeBoard(scale.table, s, scale.at);
}

double along(const BoardString &string, Point p)
{
    const double dx = string.bridge.x - string.nut.x, dy = string.bridge.y - string.nut.y;
    return ((p.x - string.nut.x) * dx + (p.y - string.nut.y) * dy) / std::hypot(dx, dy);
}

// Where a piece of a fret crosses a string, as a distance along the string from its nut.
double crossing(const BoardString &string, const Segment &piece)
{
    const double ax = string.bridge.x - string.nut.x, ay = string.bridge.y - string.nut.y;
    const double bx = piece.to.x - piece.from.x, by = piece.to.y - piece.from.y;
    const double t = ((piece.from.x - string.nut.x) * by - (piece.from.y - string.nut.y) * bx) /
                     (ax * by - ay * bx);
    return along(string, {string.nut.x + t * ax, string.nut.y + t * ay});
}

int strings(const QString &tuning)
{
    return int(tuning.split(QRegularExpression("[ ,]+"), Qt::SkipEmptyParts).size());
}

const char *const thirteenOfThree = "13 pas de 3/1\n13\n" // the period 3/1 in 13 equal steps
                                    "146.30423\n292.60846\n438.91269\n585.21692\n731.52115\n"
                                    "877.82538\n1024.12961\n1170.43384\n1316.73807\n1463.0423\n"
                                    "1609.34653\n1755.65076\n3/1\n";

} // namespace

class TestStringTuning : public QObject
{
    Q_OBJECT

private slots:
    // The position of fret k on string s, against L - L x Q(d) / Q(d + k) worked out here.
    void eachStringByItsDegree_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("tuning");
        QTest::addColumn<int>("string");
        QTest::addColumn<int>("fret");
        QTest::addColumn<double>("ratio"); // Q(d + k) / Q(d)
        QTest::newRow("Zarlino simplifiée, Mi on 650, fret 1: 16/15")
            << "Zarlino Chromatique simplifiée"
            << "Mi Si Sol Ré La Mi" << 1 << 1 << 16.0 / 15;
        QTest::newRow("Zarlino simplifiée, Si, fret 4: Mi b above it, 6/5 x 2 / (15/8)")
            << "Zarlino Chromatique simplifiée"
            << "Mi Si Sol Ré La Mi" << 2 << 4 << 6.0 / 5 * 2 / (15.0 / 8);
        QTest::newRow("Pythagore Diatonique, Ré, fret 2: a minor third, 32/27")
            << "Pythagore Diatonique"
            << "Do Ré" << 2 << 2 << 32.0 / 27;
        QTest::newRow("13 steps of 3/1, degree 5, fret 13 at 2/3")
            << thirteenOfThree << "0,5" << 2 << 13 << 3.0;
    }
    void eachStringByItsDegree()
    {
        QFETCH(QString, scale);
        QFETCH(QString, tuning);
        QFETCH(int, string);
        QFETCH(int, fret);
        QFETCH(double, ratio);
        const TestScale s = scaleOf(scale);
        const auto read = ReadTuning(tuning.toStdString(), s.degrees, strings(tuning));
        QVERIFY(read);
        const auto board = boardOf(s, *read);
        QVERIFY(board);
        const BoardString &on = board->strings[std::size_t(string - 1)];
        const double length = DoubleFromCurrency(on.length);
        const double expected = length - length / ratio;
        const double position = DoubleFromCurrency(on.positions[std::size_t(fret - 1)]);
        QVERIFY2(std::abs(position - expected) <= 0.5e-4 + 1e-9,
                 qPrintable(QString("%1, not %2").arg(position).arg(expected)));
        // Its piece crosses the string there.
        bool crossed = false;
        for (const BoardFret &piece : board->frets) {
            if (piece.number == fret && piece.first <= string && string <= piece.last)
                crossed = std::abs(crossing(on, piece.line) - position) < 1e-4;
        }
        QVERIFY(crossed);
    }

    void aStringOnDegreeZeroKeepsItsTable()
    {
        // Zarlino's frets beyond the octave are computed on the half length.
        const TestScale s = scaleOf("Zarlino Chromatique");
        const auto board = boardOf(s, {0, 4, 0});
        QVERIFY(board);
        std::vector<Currency> bass;
        for (const Fret &fret : s.at(CurrencyFromDouble(686)).frets)
            bass.push_back(fret.position);
        QCOMPARE(board->strings[2].positions, bass);
        QCOMPARE(board->strings[0].positions.back(), s.table.frets.back().position);
    }

    void theDegreesAreRead_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("strings");
        QTest::addColumn<std::vector<int>>("degrees");
        QTest::addColumn<int>("reason"); // -1 when read
        const QString simplified = "Zarlino Chromatique simplifiée";
        const auto r = [](BoardFault f) { return int(f); };
        QTest::newRow("Mi Si Sol Ré La Mi")
            << simplified << "Mi Si Sol Ré La Mi" << 6 << std::vector{4, 11, 7, 2, 9, 4} << -1;
        QTest::newRow("4,11,7,2,9,4")
            << simplified << "4,11,7,2,9,4" << 6 << std::vector{4, 11, 7, 2, 9, 4} << -1;
        QTest::newRow(" Si b , Fa # ")
            << simplified << " Si b , Fa # " << 2 << std::vector{10, 6} << -1;
        QTest::newRow("Xa") << simplified << "Mi Xa" << 2 << std::vector<int>{}
                            << r(BoardFault::UnknownNote);
        QTest::newRow("12 of 12 degrees")
            << simplified << "0 12" << 2 << std::vector<int>{} << r(BoardFault::DegreeOutOfRange);
        QTest::newRow("-1") << simplified << "-1 0" << 2 << std::vector<int>{}
                            << r(BoardFault::DegreeOutOfRange);
        QTest::newRow("two for six")
            << simplified << "Mi Si" << 6 << std::vector<int>{} << r(BoardFault::DegreeCount);
        QTest::newRow("a note in a Scala file's scale")
            << thirteenOfThree << "Do 1" << 2 << std::vector<int>{} << r(BoardFault::UnknownNote);
    }
    void theDegreesAreRead()
    {
        QFETCH(QString, scale);
        QFETCH(QString, text);
        QFETCH(int, strings);
        QFETCH(std::vector<int>, degrees);
        QFETCH(int, reason);
        const auto read = ReadTuning(text.toStdString(), scaleOf(scale).degrees, strings);
        if (reason < 0) {
            QVERIFY(read);
            QCOMPARE(*read, degrees);
        } else {
            QVERIFY(!read);
            QCOMPARE(read.failure().reason, Reason(BoardFault(reason)));
            QCOMPARE(read.failure().setting, std::string(TuningSetting));
        }
    }

    // Where the strings agree every fret is whole; elsewhere its pieces share the strings out,
    // each string served once, and each piece ends on the lines halfway to its neighbours.
    void piecesWhereTheStringsDisagree_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("tuning");
        QTest::addColumn<bool>("whole");
        QTest::newRow("Tempérée Chromatique, a guitar") << "Tempérée Chromatique"
                                                        << "Mi Si Sol Ré La Mi" << true;
        QTest::newRow("31 equal divisions, any degrees") << "31"
                                                         << "0 7 19 30 4 12 25" << true;
        QTest::newRow("Zarlino simplifiée, a guitar") << "Zarlino Chromatique simplifiée"
                                                      << "Mi Si Sol Ré La Mi" << false;
    }
    void piecesWhereTheStringsDisagree()
    {
        QFETCH(QString, scale);
        QFETCH(QString, tuning);
        QFETCH(bool, whole);
        const TestScale s = scale == "31" ? [] {
            static const ScalaScale edo = *EqualDivisions(31);
            const TableAt at = [](Currency length) { return TableOf(edo, length); };
            return TestScale{at(CurrencyFromDouble(650)), at, DegreesOf(edo)};
        }()
                                      : scaleOf(scale);
        const auto degrees = ReadTuning(tuning.toStdString(), s.degrees, strings(tuning));
        QVERIFY(degrees);
        const auto board = boardOf(s, *degrees);
        QVERIFY(board);
        const std::size_t n = board->strings.size();
        std::vector<int> served(s.table.frets.size() * n, 0);
        for (const BoardFret &piece : board->frets) {
            for (int string = piece.first; string <= piece.last; ++string)
                ++served[std::size_t(piece.number - 1) * n + std::size_t(string - 1)];
        }
        QVERIFY(std::all_of(served.begin(), served.end(), [](int count) { return count == 1; }));
        QCOMPARE(board->frets.size() == s.table.frets.size(), whole);
        QVERIFY(std::all_of(board->frets.begin(), board->frets.end(),
                            [&](const BoardFret &f) { return f.whole(n) || !whole; }));
    }
};

QTEST_APPLESS_MAIN(TestStringTuning)
#include "tst_string_tuning.moc"
