// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a typed length: what is read, what is ignored and what cannot be stored.
#include "length_reading.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <limits>

using namespace dorvane;

class TestLengthReading : public QObject
{
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("complete");
        QTest::newRow("650") << "650" << 650.0 << true;
        QTest::newRow(" 6 5 0") << " 6 5 0" << 650.0 << true;
        QTest::newRow("tab and line feed inside") << "6\t5\n0" << 650.0 << true;
        QTest::newRow("trailing blanks") << "650  " << 650.0 << true;
        QTest::newRow("650.5") << "650.5" << 650.5 << true;
        QTest::newRow("650,5 stops at the comma") << "650,5" << 650.0 << false;
        QTest::newRow("12 mm") << "12 mm" << 12.0 << false;
        QTest::newRow("1e3") << "1e3" << 1000.0 << true;
        QTest::newRow("1E+3") << "1E+3" << 1000.0 << true;
        QTest::newRow("2.5e-1") << "2.5e-1" << 0.25 << true;
        QTest::newRow("1 e 3 with blanks") << "1 e 3" << 1000.0 << true;
        QTest::newRow("1e without digits") << "1e" << 1.0 << true;
        QTest::newRow("1ex") << "1ex" << 1.0 << false;
        QTest::newRow("-650") << "-650" << -650.0 << true;
        QTest::newRow("+650") << "+650" << 650.0 << true;
        QTest::newRow("- 650") << "- 650" << -650.0 << true;
        QTest::newRow(".5") << ".5" << 0.5 << true;
        QTest::newRow("5.") << "5." << 5.0 << true;
        QTest::newRow("1.2.3 stops at the second point") << "1.2.3" << 1.2 << false;
        QTest::newRow("abc") << "abc" << 0.0 << false;
        QTest::newRow("empty") << "" << 0.0 << true;
        QTest::newRow("blanks only") << "   " << 0.0 << true;
        QTest::newRow("lone minus") << "-" << 0.0 << true;
        QTest::newRow("lone point") << "." << 0.0 << true;
        QTest::newRow("e5 is no number") << "e5" << 0.0 << false;
        QTest::newRow("--5") << "--5" << 0.0 << false;
        QTest::newRow("&H10 reads no other base") << "&H10" << 0.0 << false;
        QTest::newRow("0x10 reads the 0") << "0x10" << 0.0 << false;
        QTest::newRow("1d3 has no D exponent") << "1d3" << 1.0 << false;
        QTest::newRow("no-break space ends the number") << "6\u00a050" << 6.0 << false;
        QTest::newRow("Arabic-Indic digits are not digits") << "\u0666\u0665\u0660" << 0.0 << false;
        QTest::newRow("full-width digits are not digits") << "\uff16\uff15\uff10" << 0.0 << false;
        QTest::newRow("1e-400 underflows to 0") << "1e-400" << 0.0 << true;
        QTest::newRow("many digits")
            << QString(400, '9') << std::numeric_limits<double>::infinity() << true;
        QTest::newRow("leading zeros") << "000650.0000" << 650.0 << true;
        QTest::newRow("650.0001") << "650.0001" << 650.0001 << true;
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, complete);
        const LengthReading reading = ReadLength(text.toStdString());
        QCOMPARE(reading.value, value);
        QCOMPARE(reading.complete, complete);
    }

    void stored_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("scaled");
        QTest::addColumn<int>("status");
        const int read = int(LengthState::Valid);
        const int partly = int(LengthState::PartlyRead);
        const int out = int(LengthState::OutOfRange);
        QTest::newRow("650") << "650" << qint64(6500000) << read;
        QTest::newRow("650.0001") << "650.0001" << qint64(6500001) << read;
        QTest::newRow("650,5") << "650,5" << qint64(6500000) << partly;
        QTest::newRow("1e15") << "1e15" << qint64(0) << out;
        QTest::newRow("-1e15") << "-1e15" << qint64(0) << out;
        QTest::newRow("1e400") << "1e400" << qint64(0) << out;
        QTest::newRow("-1e400") << "-1e400" << qint64(0) << out;
        QTest::newRow("400 nines") << QString(400, '9') << qint64(0) << out;
        QTest::newRow("out of range and partly read") << "1e15 mm" << qint64(0) << out;
        QTest::newRow("922337203685477.5807 is not a double")
            << "922337203685477.5807" << qint64(0) << out;
        QTest::newRow("-922337203685477.5808 is the smallest length")
            << "-922337203685477.5808" << std::numeric_limits<qint64>::min() << read;
        QTest::newRow("1e-400") << "1e-400" << qint64(0) << read;
        QTest::newRow("0.00005 ties to 0") << "0.00005" << qint64(0) << read;
        QTest::newRow("abc") << "abc" << qint64(0) << partly;
    }
    void stored()
    {
        QFETCH(QString, text);
        QFETCH(qint64, scaled);
        QFETCH(int, status);
        const StoredLength length = LengthFromText(text.toStdString());
        QCOMPARE(length.value.scaled(), scaled);
        QCOMPARE(int(length.state), status);
    }

    void typedInAField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("scaled"); // -1 where the text is refused
        QTest::newRow("0.6") << "0.6" << qint64(6000);
        QTest::newRow("0,6") << "0,6" << qint64(6000);
        QTest::newRow(" 0,60 ") << " 0,60 " << qint64(6000);
        QTest::newRow("60") << "60" << qint64(600000);
        QTest::newRow("1.000,5 has both") << "1.000,5" << qint64(-1);
        QTest::newRow("0,6,1 has two commas") << "0,6,1" << qint64(-1);
        QTest::newRow("0,6 mm") << "0,6 mm" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("a lone comma") << "," << qint64(-1);
        QTest::newRow("1e15") << "1e15" << qint64(-1);
    }
    void typedInAField()
    {
        QFETCH(QString, text);
        QFETCH(qint64, scaled);
        const StoredLength read = DecimalFromText(text.toStdString());
        QCOMPARE(read.state == LengthState::Valid, scaled >= 0);
        if (scaled >= 0)
            QCOMPARE(read.value.scaled(), scaled);
    }

    void linearInTheLength_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("unit"); // repeated to fill the text
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("digits") << QByteArray() << QByteArray("7") << QByteArray();
        QTest::newRow("blanks") << QByteArray() << QByteArray(" ") << QByteArray("650");
        QTest::newRow("exponent digits") << QByteArray("1e") << QByteArray("9") << QByteArray();
        QTest::newRow("digits after the point")
            << QByteArray("0.") << QByteArray("3") << QByteArray();
    }
    void linearInTheLength()
    {
        // A ten-megabyte paste is read in one pass: the fastest of three readings takes about
        // ten times the fastest of three of one megabyte, never the hundred times of a reading
        // that goes back over the text. How fast it is, the benchmark measures.
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, unit);
        QFETCH(QByteArray, tail);
        LengthState state = LengthState::Valid;
        const auto fastestRead = [&](int megabytes) {
            const std::string text =
                (head + unit.repeated(megabytes * 1'000'000) + tail).toStdString();
            qint64 fastest = std::numeric_limits<qint64>::max();
            for (int run = 0; run < 3; ++run) {
                QElapsedTimer timer;
                timer.start();
                state = LengthFromText(text).state;
                fastest = std::min(fastest, timer.nsecsElapsed());
            }
            return fastest;
        };
        const qint64 one = fastestRead(1);
        const qint64 ten = fastestRead(10);
        QVERIFY(state != LengthState::PartlyRead);
        QVERIFY2(ten < 40 * one + 50'000'000, qPrintable(QStringLiteral("1 MB %1 ms, 10 MB %2 ms")
                                                             .arg(one / 1'000'000)
                                                             .arg(ten / 1'000'000)));
    }
};

QTEST_APPLESS_MAIN(TestLengthReading)
#include "tst_length_reading.moc"
