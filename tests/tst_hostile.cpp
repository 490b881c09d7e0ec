// SPDX-License-Identifier: GPL-3.0-or-later
// Input through the real window: lengths as users type them and lengths no program expects,
// enormous pastes, typing everywhere, and buttons pressed again and again. The window must
// answer and stay valid.
#include "window_test.h"

#include <QClipboard>
#include <QPushButton>
#include <algorithm>

using namespace window_test;
using dorvane::Currency;

namespace
{

// Every visible position lies between 0 and the stored length, with its sign.
void checkTableWithin(const Base &window)
{
    const double length = dorvane::DoubleFromCurrency(window.storedLength());
    for (int row : visibleRows(window)) {
        QString text = position(window, row)->text();
        text.replace(QLocale::system().decimalPoint(), QStringLiteral("."));
        bool ok = false;
        const double value = text.toDouble(&ok);
        QVERIFY2(ok, qPrintable(text));
        QVERIFY2(length >= 0 ? (value >= 0 && value <= length) : (value <= 0 && value >= length),
                 qPrintable(text));
    }
}

} // namespace

class TestHostile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void lengths_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<int>("state");
        const int valid = int(Base::LengthState::Valid);
        const int partly = int(Base::LengthState::PartlyRead);
        const int out = int(Base::LengthState::OutOfRange);
        const qint64 min = std::numeric_limits<qint64>::min();
        QTest::newRow("650") << "650" << qint64(6500000) << valid;
        QTest::newRow(" 6 5 0") << " 6 5 0" << qint64(6500000) << valid;
        QTest::newRow("650,5") << "650,5" << qint64(6500000) << partly;
        QTest::newRow("650.5") << "650.5" << qint64(6505000) << valid;
        QTest::newRow("12 mm") << "12 mm" << qint64(120000) << partly;
        QTest::newRow("1e3") << "1e3" << qint64(10000000) << valid;
        QTest::newRow("-650") << "-650" << qint64(-6500000) << valid;
        QTest::newRow("abc") << "abc" << qint64(0) << partly;
        QTest::newRow("empty") << "" << qint64(0) << valid;
        QTest::newRow("1e15") << "1e15" << qint64(0) << out;
        QTest::newRow("-1e15") << "-1e15" << qint64(0) << out;
        QTest::newRow("1e400") << "1e400" << qint64(0) << out;
        QTest::newRow("400 nines") << QString(400, '9') << qint64(0) << out;
        QTest::newRow("922337203685477.5807, past the last double below the range")
            << "922337203685477.5807" << qint64(0) << out;
        QTest::newRow("-922337203685477.5808") << "-922337203685477.5808" << min << valid;
        // Beyond 2^53 ten-thousandths a double holds no exact product: 922337203685477 times
        // 10,000 rounds to the double below.
        QTest::newRow("922337203685477")
            << "922337203685477" << qint64(9223372036854769664) << valid;
        QTest::newRow("1e-400") << "1e-400" << qint64(0) << valid;
        QTest::newRow("Arabic-Indic digits") << "\u0666\u0665\u0660" << qint64(0) << partly;
        QTest::newRow("full-width digits") << "\uff16\uff15\uff10" << qint64(0) << partly;
        QTest::newRow("no-break space inside") << "6\u00a050" << qint64(60000) << partly;
        QTest::newRow("lone minus") << "-" << qint64(0) << valid;
        QTest::newRow("lone plus") << "+" << qint64(0) << valid;
        QTest::newRow("lone point") << "." << qint64(0) << valid;
        QTest::newRow("sign and point") << "-." << qint64(0) << valid;
        QTest::newRow("two points") << ".." << qint64(0) << partly;
        QTest::newRow("&H10, no other base") << "&H10" << qint64(0) << partly;
        QTest::newRow("0x10, no other base") << "0x10" << qint64(0) << partly;
        QTest::newRow("NaN as text") << "NaN" << qint64(0) << partly;
        QTest::newRow("inf as text") << "inf" << qint64(0) << partly;
        QTest::newRow("emoji") << "🎸650" << qint64(0) << partly;
        QTest::newRow("control characters") << "\u0001\u0007650" << qint64(0) << partly;
        QTest::newRow("right-to-left mark") << "\u200f650" << qint64(0) << partly;
    }
    // Typed where a keyboard can type it, pasted otherwise, over a length stored beforehand.
    void lengths()
    {
        QFETCH(QString, text);
        QFETCH(qint64, stored);
        QFETCH(int, state);
        Base window;
        auto *box = control<QLineEdit>(window, "Longvib");
        box->setText("777");
        const bool typeable =
            std::all_of(text.begin(), text.end(), [](QChar c) { return c >= ' ' && c <= '~'; });
        if (typeable)
            typeLength(window, text);
        else
            box->setText(text);
        QCOMPARE(window.storedLength().scaled(), stored);
        QCOMPARE(int(window.lengthState()), state);
        QCOMPARE(box->toolTip().isEmpty(), state == int(Base::LengthState::Valid));
        for (const QString &scale : Base::scaleNames()) {
            pickScale(window, scale);
            checkTableWithin(window);
        }
        box->setText("650");
        QCOMPARE(window.lengthState(), Base::LengthState::Valid);
        QVERIFY(box->toolTip().isEmpty());
    }

    void tenMegabytesPastedInOneGo()
    {
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = control<QLineEdit>(window, "Longvib");
        QApplication::clipboard()->setText("650" + QString(10'000'000, '7'));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text().size(), 10'000'003); // no length limit
        QCOMPARE(window.lengthState(), Base::LengthState::OutOfRange);
        QApplication::processEvents(); // the window answers
        pickScale(window, "Zarlino Chromatique");
        for (int row : visibleRows(window))
            QCOMPARE(position(window, row)->text(), "0");

        QApplication::clipboard()->setText(QString(10'000'000, ' ') + "650");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(window.storedLength().scaled(), 6500000);
        QCOMPARE(window.lengthState(), Base::LengthState::Valid);
        pickScale(window, "Zarlino Chromatique");
        QCOMPARE(position(window, 41)->text(), shown("487,5"));
    }

    void typingEverywhere()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Pythagore Chromatique");
        auto *combo = control<QComboBox>(window, "Combo1");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "Pythagore Chromatique simplifi\te\r");
        QCOMPARE(window.storedScaleKind(), dorvane::ScaleKind::PythagoreanChromatic);
        for (int row : visibleRows(window)) {
            QTest::keyClicks(position(window, row), "xyz-1e999");
            QTest::keyClicks(note(window, row), "\t");
        }
        QCOMPARE(window.storedLength().scaled(), 6500000);
        pickScale(window, "Pythagore Chromatique");
        QCOMPARE(position(window, 18)->text(), "325");
    }

    void buttonsPressedAgainAndAgain()
    {
        Base window;
        typeLength(window, "650");
        for (int k = 0; k < 50; ++k) {
            pickScale(window, Base::scaleNames()[k % 8]);
            QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
            QVERIFY(visibleRows(window).isEmpty());
            QCOMPARE(window.storedLength(), Currency{});
            typeLength(window, QString::number(100 + k));
        }
        for (int k = 0; k < 20; ++k) {
            pickScale(window, Base::scaleNames()[k % 8]);
            whileModalOpen(window, "Command4", [](QWidget *) {});
            whileModalOpen(window, "Command2", [](QWidget *) {});
        }
        QVERIFY(!QApplication::activeModalWidget());
        QStringList windows;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (!top->objectName().isEmpty() && top->objectName() != "Base")
                windows << top->objectName();
        }
        windows.sort();
        QCOMPARE(windows,
                 QStringList({"Capture14", "Capture24", "Capture34", "Capture42", "info"}));
        // The table is still that of the last choice and length.
        pickScale(window, "Tempérée Chromatique");
        QCOMPARE(position(window, 16)->text(), shown("74,5")); // half of 149
    }
};

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
