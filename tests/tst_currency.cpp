// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed-point lengths: conversions, the forms of a position and the text of a value.
#include "currency.h"

#include <QTest>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

using namespace dorvane;

namespace
{

Currency scaled(qint64 tenThousandths)
{
    return Currency::fromScaled(tenThousandths);
}

constexpr qint64 Min = std::numeric_limits<std::int64_t>::min();
constexpr qint64 Max = std::numeric_limits<std::int64_t>::max();

} // namespace

class TestCurrency : public QObject
{
    Q_OBJECT

private slots:
    void semitoneFactorIsTheStoredConstant()
    {
        QCOMPARE(std::bit_cast<std::uint64_t>(SemitoneFactor), 0x3FEE3437E710137EULL);
    }

    void semitonePowersAreThoseOfThePowerFunction()
    {
        // Every factor a table uses is, bit for bit, what pow gives at run time; the exponent
        // is opaque so that the compiler cannot fold the call with another rounding.
        for (int n = 0; n <= 25; ++n) {
            volatile double exponent = n;
            QCOMPARE(std::bit_cast<std::uint64_t>(SemitonePower(n)),
                     std::bit_cast<std::uint64_t>(std::pow(SemitoneFactor, exponent)));
        }
    }

    void text_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("325 with a comma") << qint64(3250000) << ","
                                          << "325";
        QTest::newRow("487,5 with a comma") << qint64(4875000) << ","
                                            << "487,5";
        QTest::newRow("36,4817 with a comma") << qint64(364817) << ","
                                              << "36,4817";
        QTest::newRow("0,5 with a comma") << qint64(5000) << ","
                                          << "0,5";
        QTest::newRow("487.5 with a point") << qint64(4875000) << "."
                                            << "487.5";
        QTest::newRow("36.4817 with a point") << qint64(364817) << "."
                                              << "36.4817";
        QTest::newRow("0.5 with a point") << qint64(5000) << "."
                                          << "0.5";
        QTest::newRow("zero") << qint64(0) << ","
                              << "0";
        QTest::newRow("one ten-thousandth") << qint64(1) << ","
                                            << "0,0001";
        QTest::newRow("216,177 drops its trailing zero") << qint64(2161770) << ","
                                                         << "216,177";
        QTest::newRow("inner zeros kept") << qint64(10203) << ","
                                          << "1,0203";
        QTest::newRow("negative half") << qint64(-5000) << ","
                                       << "-0,5";
        QTest::newRow("negative whole") << qint64(-6500000) << ","
                                        << "-650";
        QTest::newRow("largest") << Max << ","
                                 << "922337203685477,5807";
        QTest::newRow("smallest") << Min << ","
                                  << "-922337203685477,5808";
        QTest::newRow("multi-byte separator") << qint64(5000) << "٫"
                                              << "0٫5";
    }
    void text()
    {
        QFETCH(qint64, value);
        QFETCH(QString, separator);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(CurrencyText(scaled(value), separator.toStdString()).str()),
                 text);
    }

    void fromDouble_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("650") << 650.0 << qint64(6500000);
        QTest::newRow("650.0001 halved, a tie, goes down to even")
            << 650.0001 / 2.0 << qint64(3250000);
        QTest::newRow("-650.0001 halved goes to even too") << -650.0001 / 2.0 << qint64(-3250000);
        QTest::newRow("0.00005 ties to 0") << 0.00005 << qint64(0);
        QTest::newRow("0.00025 ties to 2") << 0.00025 << qint64(2);
        QTest::newRow("0.00035 ties to 4") << 0.00035 << qint64(4);
        QTest::newRow("-0.00035 ties to -4") << -0.00035 << qint64(-4);
        QTest::newRow("tiny rounds to 0") << 1e-300 << qint64(0);
        QTest::newRow("-2^63 ten-thousandths is the smallest")
            << -9223372036854775808.0 / 10000.0 << Min;
    }
    void fromDouble()
    {
        QFETCH(double, x);
        QFETCH(qint64, expected);
        QCOMPARE(CurrencyFromDouble(x).scaled(), expected);
    }

    void fromDoubleOverflows_data()
    {
        QTest::addColumn<double>("x");
        QTest::newRow("1e15") << 1e15;
        QTest::newRow("-1e15") << -1e15;
        QTest::newRow("2^63 ten-thousandths") << 9223372036854775808.0 / 10000.0;
        QTest::newRow("the double of 922337203685477.5807") << 922337203685477.5807;
        QTest::newRow("1e300, whose product overflows") << 1e300;
        QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
        QTest::newRow("minus infinity") << -std::numeric_limits<double>::infinity();
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
    }
    void fromDoubleOverflows()
    {
        QFETCH(double, x);
        QVERIFY_THROWS_EXCEPTION(CurrencyOverflow, CurrencyFromDouble(x));
    }

    void subtraction()
    {
        QCOMPARE((scaled(50000) - scaled(30000)).scaled(), 20000);
        QCOMPARE((scaled(Min + 1) - scaled(1)).scaled(), Min);
        QVERIFY_THROWS_EXCEPTION(CurrencyOverflow, scaled(Min) - scaled(1));
        QVERIFY_THROWS_EXCEPTION(CurrencyOverflow, scaled(Max) - scaled(-1));
        QVERIFY_THROWS_EXCEPTION(CurrencyOverflow, scaled(0) - scaled(Min));
    }

    void doubleFromCurrency()
    {
        QCOMPARE(DoubleFromCurrency(scaled(6500001)), 650.0001);
        QCOMPARE(DoubleFromCurrency(scaled(-5000)), -0.5);
    }

    void positions_data()
    {
        QTest::addColumn<qint64>("length");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("text");
        QTest::newRow("650 at 1 semitone") << qint64(6500000) << "t1"
                                           << "36,4817";
        QTest::newRow("650 at 2 semitones") << qint64(6500000) << "t2"
                                            << "70,9158";
        QTest::newRow("650 at 7 semitones") << qint64(6500000) << "t7"
                                            << "216,177";
        QTest::newRow("650 at 12 semitones") << qint64(6500000) << "t12"
                                             << "325";
        QTest::newRow("650 at 24 semitones") << qint64(6500000) << "t24"
                                             << "487,5";
        QTest::newRow("650, 9/8 on the length") << qint64(6500000) << "9/8L"
                                                << "72,2222";
        QTest::newRow("650, 9/8 on the half length") << qint64(6500000) << "9/8H"
                                                     << "361,1111";
        QTest::newRow("650, 4/3 on the length") << qint64(6500000) << "4/3L"
                                                << "162,5";
        QTest::newRow("650, 243/128 on the length") << qint64(6500000) << "243/128L"
                                                    << "307,6132";
        QTest::newRow("650, double octave") << qint64(6500000) << "dbl"
                                            << "487,5";
        QTest::newRow("650, half length") << qint64(6500000) << "half"
                                          << "325";
        QTest::newRow("650.0001, half length at the tie") << qint64(6500001) << "half"
                                                          << "325";
        QTest::newRow("650.0001, 9/8 on the half length") << qint64(6500001) << "9/8H"
                                                          << "361,1112";
        QTest::newRow("650.0001, double octave") << qint64(6500001) << "dbl"
                                                 << "487,5001";
        QTest::newRow("0 at 12 semitones") << qint64(0) << "t12"
                                           << "0";
        QTest::newRow("0, 9/8 on the half length") << qint64(0) << "9/8H"
                                                   << "0";
        QTest::newRow("0, double octave") << qint64(0) << "dbl"
                                          << "0";
        QTest::newRow("-650 at 1 semitone") << qint64(-6500000) << "t1"
                                            << "-36,4817";
        QTest::newRow("-650, 9/8 on the half length") << qint64(-6500000) << "9/8H"
                                                      << "-361,1111";
        QTest::newRow("-650.0001, half length") << qint64(-6500001) << "half"
                                                << "-325";

        // Lengths of every kind in every form, each chosen so that a plausible slip of the
        // arithmetic changes a shown decimal; the comments name the slips a row catches.
        const qint64 twoTo53 = qint64(1) << 53;
        // A whole length. The factor computed as 2^(-1/12) at run time shows 109101281,8597.
        QTest::newRow("1e9 at 2 semitones") << qint64(10000000000000) << "t2"
                                            << "109101281,8596";
        // A ratio applied as x * (b / a), or as x * b / a, shows 193,5938.
        QTest::newRow("672, 1024/729 on the length") << qint64(6720000) << "1024/729L"
                                                     << "193,5937";
        // x * (b / a) shows 286,2187; rounding half away from zero too.
        QTest::newRow("387, 48/25 on the half length") << qint64(3870000) << "48/25H"
                                                       << "286,2188";
        // Four decimals. The computed factor, the ten-thousandths multiplied without the
        // round trip through the length, and truncation each change the last decimal.
        QTest::newRow("1000000000.2209 at 4 semitones") << qint64(10000000002209) << "t4"
                                                        << "206299474,0614";
        // x * (b / a) shows 162,5008.
        QTest::newRow("650.003, 4/3 on the length") << qint64(6500030) << "4/3L"
                                                    << "162,5007";
        // The length read as ten-thousandths times 0.0001 instead of divided by 10000.
        QTest::newRow("650.0124, 8/5 on the length") << qint64(6500124) << "8/5L"
                                                     << "243,7547";
        // The half length taken from the integer of ten-thousandths: 379,5697.
        QTest::newRow("650.6909, 6/5 on the half length") << qint64(6506909) << "6/5H"
                                                          << "379,5696";
        // Halving the integer of ten-thousandths truncates: 325,0001 and 324,9999.
        QTest::newRow("650.0003, half length") << qint64(6500003) << "half"
                                               << "325,0002";
        QTest::newRow("649.9999, half length") << qint64(6499999) << "half"
                                               << "325";
        // Rounding half away from zero, or the length times 0.0001, gives 325,0015.
        QTest::newRow("650.0029, half length") << qint64(6500029) << "half"
                                               << "325,0014";
        QTest::newRow("650.0025, difference") << qint64(6500025) << "diff"
                                              << "325,0012";
        // The double octave as three quarters of the length, or divided by 0.0001.
        QTest::newRow("650.0034, double octave") << qint64(6500034) << "dbl"
                                                 << "487,5025";
        // Ties. 2^(-12/12) is exactly one half: without the stored factor's excess the
        // tie goes to even and the octave shows 325,0001.
        QTest::newRow("650.0001 at 12 semitones") << qint64(6500001) << "t12"
                                                  << "325";
        QTest::newRow("640.0035, 6/5 on the length") << qint64(6400035) << "6/5L"
                                                     << "106,6672";
        QTest::newRow("640.0699, 4/3 on the half length") << qint64(6400699) << "4/3H"
                                                          << "400,0436";
        QTest::newRow("640.0015, half length at the tie") << qint64(6400015) << "half"
                                                          << "320,0008";
        QTest::newRow("640.0015, difference") << qint64(6400015) << "diff"
                                              << "320,0007";
        QTest::newRow("640.0003, double octave") << qint64(6400003) << "dbl"
                                                 << "480,0002";
        // Near 2^53 ten-thousandths, where a double no longer holds every length: the
        // factor raised by repeated multiplication, and every rounding slip, show here.
        QTest::newRow("2^53 - 36 ten-thousandths at 4 semitones") << twoTo53 - 36 << "t4"
                                                                  << "185818046860,9271";
        QTest::newRow("2^53 - 296 ten-thousandths, 25/24 on the length")
            << twoTo53 - 296 << "25/24L"
            << "36028797018,9629";
        QTest::newRow("2^53 - 270 ten-thousandths, 8/5 on the half length")
            << twoTo53 - 270 << "8/5H"
            << "619244948763,4248";
        QTest::newRow("2^53 - 270 ten-thousandths, half length") << twoTo53 - 270 << "half"
                                                                 << "450359962737,036";
        QTest::newRow("2^53 - 270 ten-thousandths, difference") << twoTo53 - 270 << "diff"
                                                                << "450359962737,0362";
        QTest::newRow("2^53 - 237 ten-thousandths, double octave") << twoTo53 - 237 << "dbl"
                                                                   << "675539944105,5567";
        // Negative lengths: truncation and rounding away from zero are not symmetric slips.
        QTest::newRow("-650.0001 at 12 semitones") << qint64(-6500001) << "t12"
                                                   << "-325";
        QTest::newRow("-650.003, 4/3 on the length") << qint64(-6500030) << "4/3L"
                                                     << "-162,5007";
        QTest::newRow("-650.0699, 4/3 on the half length") << qint64(-6500699) << "4/3H"
                                                           << "-406,2936";
        QTest::newRow("-650.0025, half length") << qint64(-6500025) << "half"
                                                << "-325,0013";
        QTest::newRow("-650.0025, difference") << qint64(-6500025) << "diff"
                                               << "-325,0012";
        // The double octave as half of the rounded half length shows -487,5009.
        QTest::newRow("-650.0011, double octave") << qint64(-6500011) << "dbl"
                                                  << "-487,5008";
    }
    void positions()
    {
        QFETCH(qint64, length);
        QFETCH(QString, form);
        QFETCH(QString, text);
        const Currency l = scaled(length);
        const Currency h = HalfLength(l);
        Currency position;
        if (form.startsWith('t'))
            position = TemperedPosition(l, form.mid(1).toInt());
        else if (form == "dbl")
            position = DoubleOctavePosition(l);
        else if (form == "half")
            position = h;
        else if (form == "diff")
            position = l - h;
        else {
            const QStringList ratio = form.chopped(1).split('/');
            position = RatioPosition(l, form.endsWith('H') ? h : l, ratio[0].toDouble(),
                                     ratio[1].toDouble());
        }
        QCOMPARE(QString::fromStdString(CurrencyText(position, ",").str()), text);
    }

    void doubleOctaveIsFourOnOne()
    {
        for (qint64 length : {qint64(6500000), qint64(6500001), qint64(1), qint64(-123456789)}) {
            const Currency l = scaled(length);
            QCOMPARE(DoubleOctavePosition(l), RatioPosition(l, l, 4, 1));
        }
    }
};

QTEST_APPLESS_MAIN(TestCurrency)
#include "tst_currency.moc"
