// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning of a table: cents and deviations from equal temperament, worked out by hand, and
// the Scala file of every system and mode.
#include "intervals.h"
#include "scala.h"
#include "scala_scale.h"
#include "systems.h"
#include "tuning_rows.h"

#include <QTest>
#include <set>

using namespace dorvane;

Q_DECLARE_METATYPE(dorvane::Interval)

class TestTuning : public QObject
{
    Q_OBJECT

private slots:
    void centsAndDeviations_data()
    {
        QTest::addColumn<Interval>("interval");
        QTest::addColumn<QString>("cents");
        QTest::addColumn<QString>("deviation");
        // 1200 log2(9/8) = 203.910; Ré is 200 cents above Do.
        QTest::newRow("9/8") << Ratio(9, 8) << "203,91"
                             << "+3,91 (Ré)";
        QTest::newRow("5/4") << Ratio(5, 4) << "386,31"
                             << "-13,69 (Mi)";
        QTest::newRow("2187/2048") << Ratio(2187, 2048) << "113,69"
                                   << "+13,69 (Do #)";
        QTest::newRow("256/243, a limma") << Ratio(256, 243) << "90,22"
                                          << "-9,78 (Do #)";
        QTest::newRow("3/2") << Ratio(3, 2) << "701,96"
                             << "+1,96 (Sol)";
        QTest::newRow("9/4, an octave and a tone") << Ratio(9, 4) << "1403,91"
                                                   << "+3,91 (Ré)";
        QTest::newRow("2/1") << Ratio(2, 1) << "1200,00"
                             << "+0,00 (Do)";
        QTest::newRow("4/1") << Ratio(4, 1) << "2400,00"
                             << "+0,00 (Do)";
        QTest::newRow("7 of 12 equal steps") << Steps(7, 12) << "700,00"
                                             << "+0,00 (Sol)";
        QTest::newRow("125/64, Si #") << Ratio(125, 64) << "1158,94"
                                      << "-41,06 (Do)";
    }
    void centsAndDeviations()
    {
        QFETCH(Interval, interval);
        QFETCH(QString, cents);
        QFETCH(QString, deviation);
        const double c = CentsOf(interval);
        QCOMPARE(QString::fromStdString(CentsText(c, ",")), cents);
        const Deviation d = DeviationOf(c);
        QCOMPARE(QString::fromStdString(CentsText(d.cents, ",", true) + " (" + std::string(d.note) +
                                        ")"),
                 deviation);
    }

    void centsComeFromTheInterval()
    {
        // At a length of 1, the positions round to the ten-thousandth: cents computed from
        // them would be far off; the rows are the same at any length.
        const ScaleSystem &zarlino = *FindSystem(ScaleKind::ZarlinoChromatic);
        const auto at = [&](qint64 scaled) {
            std::vector<std::string> cents;
            for (const TuningRow &row :
                 TuningRows(TableOf({&zarlino, 0, Currency::fromScaled(scaled)}), ","))
                cents.push_back(row[3] + " " + row[4]);
            return cents;
        };
        QCOMPARE(at(10000), at(6500000));
    }

    void scalaFilesAsTheyComeRead()
    {
        // CR LF, leading blanks, a name in ISO-8859-1, a whole number, degrees out of order.
        const Result<ScalaScale> read =
            ReadScala("! ancien.scl\r\n!\r\n  Gamme \xe0 l'ancienne\r\n  3\r\n"
                      "   3 quinte et octave\r\n  9/8 R\xe9\r\n  4 double octave\r\n");
        QVERIFY(read);
        QCOMPARE(QString::fromStdString(read->description), "Gamme à l'ancienne");
        QCOMPARE(read->degrees.size(), std::size_t(3));
        QCOMPARE(QString::fromStdString(read->degrees[0].name), "Ré");
        QCOMPARE(PitchText(read->degrees[1].pitch), "3");
        QCOMPARE(QString::fromStdString(read->degrees[2].name), "double octave");
        // The same text in UTF-8 keeps its letters.
        const Result<ScalaScale> utf8 = ReadScala("Gamme \xc3\xa0\n 1\n 2/1 Do\n");
        QVERIFY(utf8);
        QCOMPARE(QString::fromStdString(utf8->description), "Gamme à");
    }

    void textsFromAFileAreMadeSafe_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("name"); // of the only degree
        QTest::newRow("an escape sequence in a UTF-8 name")
            << QByteArray("R\xc3\xa9\n 1\n 2/1 Do\x1b[31m\n") << "Ré"
            << "Do\uFFFD[31m";
        QTest::newRow("a tab, a NUL and DEL in a description")
            << QByteArray("a\tb\0c\x7f\n 1\n 2/1 Do\n", 18) << "a b\uFFFDc\uFFFD"
            << "Do";
        QTest::newRow("a lone CR inside a name") << QByteArray("D\r\n 1\n 2/1 D\ro\r\n") << "D"
                                                 << "D\uFFFDo";
        QTest::newRow("a C1 control in ISO-8859-1")
            << QByteArray("Gamme\x85\xe9\n 1\n 2/1\n") << "Gamme\uFFFDé"
            << "";
        QTest::newRow("a C1 control in UTF-8") << QByteArray("G\xc2\x9b\n 1\n 2/1\n") << "G\uFFFD"
                                               << "";
        QTest::newRow("an overlong form is no UTF-8") << QByteArray("\xc0\xaf\n 1\n 2/1\n") << "À¯"
                                                      << "";
        QTest::newRow("a surrogate is no UTF-8")
            << QByteArray("\xed\xa0\x80\n 1\n 2/1\n") << "í\u00a0\uFFFD"
            << "";
        QTest::newRow("U+FFFF, no character")
            << QByteArray("\xef\xbf\xbf!\n 1\n 2/1\n") << "\uFFFD!"
            << "";
    }
    void textsFromAFileAreMadeSafe()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, description);
        QFETCH(QString, name);
        const Result<ScalaScale> read = ReadScala(std::string_view(file.data(), file.size()));
        QVERIFY(read);
        QCOMPARE(QString::fromStdString(read->description), description);
        QCOMPARE(QString::fromStdString(read->degrees[0].name), name);
        // Written back as read, but for its control characters; read again, the same.
        const std::string back = ScalaFile(*read, "x.scl");
        for (const char c : back) {
            const auto byte = static_cast<unsigned char>(c);
            QVERIFY2((byte >= ' ' || c == '\t' || c == '\r' || c == '\n') && byte != 0x7f,
                     back.c_str());
        }
        const Result<ScalaScale> again = ReadScala(back);
        QVERIFY(again);
        QCOMPARE(again->degrees.size(), read->degrees.size());
        QCOMPARE(again->degrees[0].pitch.value(), read->degrees[0].pitch.value());
    }

    void aRefusalShowsTheFilesControlCharacters()
    {
        const Result<ScalaScale> read = ReadScala("D\n 1\n 2/\x1b[2J\n");
        QVERIFY(!read);
        QCOMPARE(QString::fromStdString(read.failure().subject), "2/\u241b[2J");
        const std::string long_(60, 'x');
        const Result<ScalaScale> cut = ReadScala("D\n 1\n " + long_ + "\n");
        QCOMPARE(QString::fromStdString(cut.failure().subject),
                 QString(40, 'x') + QStringLiteral("…"));
    }

    void noTwoDegreesShareAPitch()
    {
        // Every note of an octave is a degree of its Scala file: two at one pitch would be one.
        for (const ScaleSystem &system : scales::Systems) {
            for (int mode = 0; mode < (system.hasModes ? scales::ModeCount : 1); ++mode) {
                std::set<std::pair<std::uint64_t, std::uint64_t>> pitches;
                std::size_t inOctave = 0;
                for (const Fret &fret : TableOf({&system, mode, Currency()}).frets) {
                    const Interval &i = fret.interval;
                    const bool below =
                        i.tempered() ? i.steps < i.division : i.numerator < 2 * i.denominator;
                    if (!below)
                        continue;
                    ++inOctave;
                    pitches.insert({i.tempered() ? std::uint64_t(i.steps) : i.numerator,
                                    i.tempered() ? 0 : i.denominator});
                }
                QCOMPARE(pitches.size(), inOctave);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestTuning)
#include "tst_tuning.moc"
