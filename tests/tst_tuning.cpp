// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning of a table: cents and deviations from equal temperament, worked out by hand, and
// the Scala file of every system and mode.
#include "deviation.h"
#include "scala_file.h"
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
        QTest::addColumn<QString>("spelled"); // the fret's own name
        // 1200 log2(9/8) = 203.910; Ré is 200 cents above Do.
        QTest::newRow("9/8") << Ratio(9, 8) << "203,91"
                             << "+3,91 (Ré)"
                             << "";
        QTest::newRow("5/4") << Ratio(5, 4) << "386,31"
                             << "-13,69 (Mi)"
                             << "";
        QTest::newRow("2187/2048") << Ratio(2187, 2048) << "113,69"
                                   << "+13,69 (Do #)"
                                   << "";
        QTest::newRow("256/243, a limma") << Ratio(256, 243) << "90,22"
                                          << "-9,78 (Do #)"
                                          << "";
        QTest::newRow("3/2") << Ratio(3, 2) << "701,96"
                             << "+1,96 (Sol)"
                             << "";
        QTest::newRow("9/4, an octave and a tone") << Ratio(9, 4) << "1403,91"
                                                   << "+3,91 (Ré)"
                                                   << "";
        QTest::newRow("2/1") << Ratio(2, 1) << "1200,00"
                             << "+0,00 (Do)"
                             << "";
        QTest::newRow("4/1") << Ratio(4, 1) << "2400,00"
                             << "+0,00 (Do)"
                             << "";
        QTest::newRow("7 of 12 equal steps") << Steps(7, 12) << "700,00"
                                             << "+0,00 (Sol)"
                                             << "";
        QTest::newRow("125/64, Si #") << Ratio(125, 64) << "1158,94"
                                      << "-41,06 (Do)"
                                      << "";
        QTest::newRow("256/243 spelled Ré b") << Ratio(256, 243) << "90,22"
                                              << "-9,78 (Ré b)"
                                              << "Ré b";
        QTest::newRow("125/96 spelled Mi #") << Ratio(125, 96) << "456,99"
                                             << "-43,01 (Mi #)"
                                             << "Mi #";
        QTest::newRow("16/15 spelled Mi: another note") << Ratio(16, 15) << "111,73"
                                                        << "+11,73 (Do #)"
                                                        << "Mi";
        // 390.225 c lies halfway between two hundredths from Mi; an octave higher, added in
        // floating point, it would fall the other way.
        QTest::newRow("390.225 c") << Measured(390.225) << "390,22"
                                   << "-9,77 (Mi)"
                                   << "";
        QTest::newRow("390.225 c an octave higher") << Measured(390.225, 1) << "1590,22"
                                                    << "-9,77 (Mi)"
                                                    << "";
        QTest::newRow("19 of 12 steps") << Steps(19, 12) << "1900,00"
                                        << "+0,00 (Sol)"
                                        << "";
    }
    void centsAndDeviations()
    {
        QFETCH(Interval, interval);
        QFETCH(QString, cents);
        QFETCH(QString, deviation);
        QFETCH(QString, spelled);
        const double c = CentsOf(interval);
        QCOMPARE(QString::fromStdString(CentsText(c, ",")), cents);
        const Deviation d = DeviationOf(interval, spelled.toStdString());
        QCOMPARE(QString::fromStdString(CentsText(d.cents, ",", true) + " (" + d.note + ")"),
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
        QCOMPARE(read->degrees[1].pitch, Written(3, 1));
        QCOMPARE(QString::fromStdString(read->degrees[2].name), "double octave");
        // The same text in UTF-8 keeps its letters.
        const Result<ScalaScale> utf8 = ReadScala("Gamme \xc3\xa0\n 1\n 2/1 Do\n");
        QVERIFY(utf8);
        QCOMPARE(QString::fromStdString(utf8->description), "Gamme à");
    }

    void labelsOfDegrees_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("label"); // of the first degree
        QTest::newRow("0.5e3, unnamed, as written") << QByteArray("D\n 2\n 0.5e3\n 2/1\n") << "D"
                                                    << "0.5e3";
        QTest::newRow("700.0 ! fifth: a comment, no name")
            << QByteArray("D\n 2\n 700.0 ! fifth\n 2/1\n") << "D"
            << "700.0";
        QTest::newRow("5/4 Mi ! tierce") << QByteArray("D\n 2\n 5/4 Mi ! tierce\n 2/1\n") << "D"
                                         << "Mi";
        QTest::newRow("a name in the comment above")
            << QByteArray("D\n 2\n!\n! R\\u00E9\n 9/8\n 2/1\n") << "D"
            << "Ré";
        QTest::newRow("a comment then a blank line: no name")
            << QByteArray("D\n 2\n! R\\u00E9\n\n 9/8\n 2/1\n") << "D"
            << "9/8";
        QTest::newRow("the title in full above its ASCII")
            << QByteArray("! Temp\\u00E9r\\u00E9e \\u00AB 1 \\u00BB\nTemperee \" 1 \"\n 1\n 2/1\n")
            << "Tempérée « 1 »"
            << "2/1";
        QTest::newRow("a comment above that is another text")
            << QByteArray("! meantone.scl\nQuarter-comma meantone\n 1\n 2/1\n")
            << "Quarter-comma meantone"
            << "2/1";
    }
    void labelsOfDegrees()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, description);
        QFETCH(QString, label);
        const Result<ScalaScale> read = ReadScala(std::string_view(file.data(), file.size()));
        QVERIFY(read);
        QCOMPARE(QString::fromStdString(read->description), description);
        QCOMPARE(QString::fromStdString(read->degrees[0].label()), label);
    }

    void twelveEqualDivisionsAreTheTemperedNotes()
    {
        const FretTable divided = TableOf(*EqualDivisions(12), Currency::fromScaled(6500000));
        const FretTable tempered =
            TableOf({FindSystem(ScaleKind::TemperedChromatic), 0, Currency::fromScaled(6500000)});
        QCOMPARE(divided.frets.size(), tempered.frets.size());
        for (std::size_t k = 0; k < divided.frets.size(); ++k)
            QCOMPARE(divided.frets[k].note, tempered.frets[k].note);
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
        QCOMPARE(FactorOf(again->degrees[0].pitch), FactorOf(read->degrees[0].pitch));
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
                    const bool below = i.kind == Interval::Kind::Steps
                                           ? i.steps < i.division
                                           : i.numerator < 2 * i.denominator;
                    if (!below)
                        continue;
                    ++inOctave;
                    pitches.insert(
                        {i.kind == Interval::Kind::Steps ? std::uint64_t(i.steps) : i.numerator,
                         i.kind == Interval::Kind::Steps ? 0 : i.denominator});
                }
                QCOMPARE(pitches.size(), inOctave);
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestTuning)
#include "tst_tuning.moc"
