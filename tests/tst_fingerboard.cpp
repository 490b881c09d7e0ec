// SPDX-License-Identifier: GPL-3.0-or-later
// The fingerboard: the worked example, then what must hold of every board, straight or fanned,
// in every tuning: the outer strings' lengths, fret P across the centre line, each string's
// frets where its table puts them, every fret from edge to edge and the edges `overhang` away.
#include "fingerboard.h"
#include "scala_scale.h"
#include "systems.h"

#include <QTest>
#include <cmath>

using namespace dorvane;

namespace
{

Currency mm(double value)
{
    return CurrencyFromDouble(value);
}

TableAt systemTable(ScaleKind kind)
{
    return [kind](Currency length) { return TableOf({FindSystem(kind), 0, length}); };
}

double distance(Point a, Point b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// How far `p` stands from the line through `a` and `b`, on either side.
double offLine(Point p, Point a, Point b)
{
    return std::abs((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / distance(a, b);
}

BoardSettings sixStrings()
{
    BoardSettings s;
    s.strings = 6;
    s.bassLength = mm(686);
    s.perpendicular = 7;
    s.nutSpan = mm(35);
    s.bridgeSpan = mm(52.5);
    s.overhang = mm(3.5);
    return s;
}

} // namespace

class TestFingerboard : public QObject
{
    Q_OBJECT

private slots:
    void theWorkedExample()
    {
        const TableAt at = systemTable(ScaleKind::TemperedChromatic);
        const Result<Fingerboard> board = MakeBoard(at(mm(648)), sixStrings(), at);
        QVERIFY(board);
        const BoardString &first = board->strings.front(), &last = board->strings.back();
        // To the ten-thousandth: fret 7 at 215.49225, 215.5119 along string 1 as its table
        // rounds it (215.49224 at the unrounded ratio).
        const auto near = [](double actual, double expected) {
            return std::abs(actual - expected) <= 1e-4;
        };
        QVERIFY(near(first.at(7).x, 215.4922) && near(last.at(7).x, 215.4922));
        QVERIFY(near(first.at(12).x, 323.9705) && near(first.at(12).y, 21.875));
        QVERIFY(near(last.at(12).x, 330.333) && near(last.at(12).y, -21.875));
        QVERIFY(near(last.nut.x, -12.6391));
        QVERIFY(near(first.bridge.x, 647.9409) && near(last.bridge.x, 673.3051));
    }

    void everyBoard_data()
    {
        QTest::addColumn<int>("strings");
        QTest::addColumn<double>("bass");
        QTest::addColumn<double>("perpendicular");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("leftHanded");
        const int tempered = int(ScaleKind::TemperedChromatic);
        QTest::newRow("6 at 648/686, P 7") << 6 << 686.0 << 7.0 << tempered << false;
        QTest::newRow("6 at 648/686, P 7, left-handed") << 6 << 686.0 << 7.0 << tempered << true;
        QTest::newRow("6 straight at 648") << 6 << 648.0 << 0.0 << tempered << false;
        QTest::newRow("2 at 648/700, P 0") << 2 << 700.0 << 0.0 << tempered << false;
        QTest::newRow("24 at 648/900, P 24, the last fret")
            << 24 << 900.0 << 24.0 << tempered << false;
        QTest::newRow("7 at 648/686, P 8.5, Zarlino Chromatique")
            << 7 << 686.0 << 8.5 << int(ScaleKind::ZarlinoChromatic) << false;
        QTest::newRow("8 at 700/620, bass shorter, Pythagore Diatonique")
            << 8 << 620.0 << 3.0 << int(ScaleKind::PythagoreanDiatonic) << false;
        QTest::newRow("1 string") << 1 << 648.0 << 0.0 << tempered << false;
    }
    void everyBoard()
    {
        QFETCH(int, strings);
        QFETCH(double, bass);
        QFETCH(double, perpendicular);
        QFETCH(int, kind);
        QFETCH(bool, leftHanded);
        BoardSettings settings = sixStrings();
        settings.strings = strings;
        settings.bassLength = mm(bass);
        settings.perpendicular = perpendicular;
        settings.leftHanded = leftHanded;
        settings.boardEnd = mm(5);
        const TableAt at = systemTable(ScaleKind(kind));
        const FretTable table = at(mm(648));
        const Result<Fingerboard> board = MakeBoard(table, settings, at);
        QVERIFY(board);
        QCOMPARE(int(board->strings.size()), strings);
        const BoardString &first = board->strings.front(), &last = board->strings.back();
        QVERIFY(std::abs(distance(first.nut, first.bridge) - 648) < 1e-9);
        QVERIFY(std::abs(distance(last.nut, last.bridge) - bass) < 1e-9);
        // String 1 on the side of positive y, or negative when left-handed.
        QCOMPARE(first.nut.y > 0, !leftHanded || strings == 1);
        // Fret P across the centre line, on the outer strings.
        const auto pointAt = [](const BoardString &s, double fret) {
            const auto k = std::size_t(std::floor(fret));
            const Point below = k == 0 ? s.nut : s.at(k);
            return k == s.positions.size()
                       ? below
                       : Point{below.x + (fret - double(k)) * (s.at(k + 1).x - below.x), 0};
        };
        QVERIFY(std::abs(pointAt(first, perpendicular).x - pointAt(last, perpendicular).x) < 1e-9);
        for (const BoardString &string : board->strings) {
            QCOMPARE(string.positions.size(), table.frets.size());
            QVERIFY(std::abs(distance(string.nut, string.bridge) -
                             DoubleFromCurrency(string.length)) < 5e-5);
            for (std::size_t k = 1; k <= table.frets.size(); ++k) {
                // Where the table puts it along the string, and on the fret's one line: to the
                // three roundings to the ten-thousandth that part them, the two outer
                // positions the line runs through and this string's own.
                const Point p = string.at(k);
                QVERIFY(std::abs(distance(string.nut, p) -
                                 DoubleFromCurrency(string.positions[k - 1])) < 1e-9);
                const Segment &fret = board->frets[k - 1].line;
                QVERIFY2(offLine(p, fret.from, fret.to) < 1.5e-4,
                         qPrintable(QString("fret %1").arg(k)));
            }
        }
        // Every fret from edge to edge: its ends `overhang` beyond the outer strings.
        for (const BoardFret &fret : board->frets) {
            QVERIFY(std::abs(offLine(fret.line.from, first.nut, first.bridge) - 3.5) < 1e-9);
            QVERIFY(std::abs(offLine(fret.line.to, last.nut, last.bridge) - 3.5) < 1e-9);
        }
        for (const Point &corner : board->outline) {
            const bool onEdge1 = std::abs(offLine(corner, first.nut, first.bridge) - 3.5) < 1e-9;
            const bool onEdgeN = std::abs(offLine(corner, last.nut, last.bridge) - 3.5) < 1e-9;
            QVERIFY(onEdge1 || onEdgeN);
        }
        // The end 5 beyond the last fret, parallel to it.
        const Segment &lastFret = board->frets.back().line;
        QVERIFY(std::abs(offLine(board->outline[1], lastFret.from, lastFret.to) - 5) < 1e-9);
        QVERIFY(std::abs(offLine(board->outline[2], lastFret.from, lastFret.to) - 5) < 1e-9);
    }

    void refused_data()
    {
        QTest::addColumn<int>("strings");
        QTest::addColumn<double>("nutSpan");
        QTest::addColumn<double>("bridgeSpan");
        QTest::addColumn<double>("overhang");
        QTest::addColumn<double>("perpendicular");
        QTest::addColumn<double>("bass");
        QTest::addColumn<int>("reason");
        const auto r = [](BoardFault f) { return int(f); };
        QTest::newRow("0 strings")
            << 0 << 35.0 << 52.5 << 3.5 << 7.0 << 686.0 << r(BoardFault::StringsOutOfRange);
        QTest::newRow("25 strings")
            << 25 << 35.0 << 52.5 << 3.5 << 7.0 << 686.0 << r(BoardFault::StringsOutOfRange);
        QTest::newRow("a nut span of -1")
            << 6 << -1.0 << 52.5 << 3.5 << 7.0 << 686.0 << r(BoardFault::Negative);
        QTest::newRow("an overhang of -0.5")
            << 6 << 35.0 << 52.5 << -0.5 << 7.0 << 686.0 << r(BoardFault::Negative);
        QTest::newRow("P 25 of 24 frets")
            << 6 << 35.0 << 52.5 << 3.5 << 25.0 << 686.0 << r(BoardFault::PerpendicularBeyond);
        QTest::newRow("P -1") << 6 << 35.0 << 52.5 << 3.5 << -1.0 << 686.0
                              << r(BoardFault::PerpendicularBeyond);
        QTest::newRow("spans 0 and 1296 at 648")
            << 6 << 0.0 << 1296.0 << 3.5 << 7.0 << 686.0 << r(BoardFault::CannotReach);
        QTest::newRow("a bass of 0")
            << 6 << 35.0 << 52.5 << 3.5 << 7.0 << 0.0 << r(BoardFault::BassLengthOutOfRange);
    }
    void refused()
    {
        QFETCH(int, strings);
        QFETCH(double, nutSpan);
        QFETCH(double, bridgeSpan);
        QFETCH(double, overhang);
        QFETCH(double, perpendicular);
        QFETCH(double, bass);
        QFETCH(int, reason);
        BoardSettings s = sixStrings();
        s.strings = strings;
        s.nutSpan = mm(nutSpan);
        s.bridgeSpan = mm(bridgeSpan);
        s.overhang = mm(overhang);
        s.perpendicular = perpendicular;
        s.bassLength = mm(bass);
        const TableAt at = systemTable(ScaleKind::TemperedChromatic);
        const Result<Fingerboard> board = MakeBoard(at(mm(648)), s, at);
        QVERIFY(!board);
        QCOMPARE(int(std::get<BoardFault>(board.failure().reason)), reason);
    }

    void anyTuning()
    {
        // 31 equal divisions and a Scala file in cents: the same rule, from their tables.
        const Result<ScalaScale> scale = EqualDivisions(31);
        QVERIFY(scale);
        const TableAt at = [&](Currency length) { return TableOf(*scale, length); };
        const Result<Fingerboard> board = MakeBoard(at(mm(648)), sixStrings(), at);
        QVERIFY(board);
        QCOMPARE(board->frets.size(), std::size_t(62));
        // The octave, 31 steps, halfway along every string, inner ones included.
        for (const BoardString &string : board->strings)
            QVERIFY(std::abs(distance(string.nut, string.at(31)) -
                             DoubleFromCurrency(string.length) / 2) < 1e-4);
    }
};

QTEST_APPLESS_MAIN(TestFingerboard)
#include "tst_fingerboard.moc"
