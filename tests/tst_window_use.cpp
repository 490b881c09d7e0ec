// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a new user meets it: the table following the length, the sheet naming the
// figures it shows, the keyboard, and what the length box says of a text it cannot read whole.
#include "sheet_test.h"

#include <QFileInfo>
#include <QPushButton>

using namespace window_test;
using namespace sheet_test;

namespace
{

// The positions of the rows shown, in their order.
QStringList positions(const QWidget &window)
{
    QStringList texts;
    for (int row : visibleRows(window))
        texts << position(window, row)->text();
    return texts;
}

// The table of a window where the length was typed first, then the scale and mode picked.
QStringList freshTable(const QString &length, const QString &scale, int mode)
{
    Base window;
    typeLength(window, length);
    pickScale(window, scale);
    control<QScrollBar>(window, "HScroll1")->setValue(mode);
    return positions(window);
}

// The sheet's scale caption and the file name that saving it proposes.
std::pair<QString, QString> sheetNames(const Base &window)
{
    QString caption, proposed;
    QStringList warnings;
    whileModalOpen(window, "Command4", [&](QWidget *sheet) {
        caption = sheet->findChild<QLabel *>("Label3")->text();
        saveTo(sheet, QString(), &warnings, &proposed); // cancelled
        QMetaObject::invokeMethod(sheet, "saveAsPdf");
    });
    return {caption, QFileInfo(proposed).fileName()};
}

} // namespace

class TestWindowUse : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void theTableFollowsTheLength_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("mode");
        QTest::newRow("Tempérée Chromatique, 650 then 630") << "Tempérée Chromatique" << 0;
        QTest::newRow("Pythagore Diatonique in the mode of Mi") << "Pythagore Diatonique" << 2;
    }
    void theTableFollowsTheLength()
    {
        QFETCH(QString, scale);
        QFETCH(int, mode);
        Base window;
        typeLength(window, "650");
        pickScale(window, scale);
        auto *modes = control<QScrollBar>(window, "HScroll1");
        modes->setValue(mode);
        typeLength(window, "630");
        QCOMPARE(positions(window), freshTable("630", scale, mode));
        QCOMPARE(modes->value(), mode);

        // Once the table is cleared, a length typed brings no table back.
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        typeLength(window, "650");
        QCOMPARE(visibleRows(window), QList<int>());
    }

    void typingRecomputesTheTableShown()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Tempérée Chromatique");
        typeLength(window, "1300");
        QCOMPARE(position(window, 16)->text(), "650");
        pickScale(window, "Tempérée Chromatique"); // the same entry again
        QCOMPARE(position(window, 16)->text(), "650");
        QCOMPARE(position(window, 42)->text(), "975");
    }

    void lengthStatesShowAndClear()
    {
        Base window;
        auto *box = control<QLineEdit>(window, "Longvib");
        const QColor normal = box->palette().color(QPalette::Base);
        typeLength(window, "650,5");
        QCOMPARE(box->toolTip(),
                 "Lu : 650 — « ,5 » est ignoré : les décimales se séparent par un point");
        const QColor warning = box->palette().color(QPalette::Base);
        QVERIFY(warning != normal);
        typeLength(window, "1e15");
        QCOMPARE(box->toolTip(), "Lu : 1e15 — hors limites : la longueur est 0");
        const QColor error = box->palette().color(QPalette::Base);
        QVERIFY(error != normal && error != warning);
        QTest::keyClick(box, Qt::Key_Backspace); // "1e1" reads 10
        QCOMPARE(window.lengthState(), Base::LengthState::Valid);
        QCOMPARE(box->toolTip(), QString());
        QCOMPARE(box->palette().color(QPalette::Base), normal);
        QCOMPARE(window.storedLength().scaled(), 100000);
        typeLength(window, "abc");
        typeLength(window, "");
        QCOMPARE(window.lengthState(), Base::LengthState::Valid);
    }

    void theSheetNamesTheFiguresItShows_data()
    {
        QTest::addColumn<QString>("scale"); // empty: none picked
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("typed"); // into the scale list afterwards
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("file");
        QTest::newRow("Pythagore Diatonique, mode of Ré")
            << "Pythagore Diatonique" << 1 << ""
            << "Pythagore Diatonique, mode de Ré"
            << "Pythagore Diatonique, mode de Ré 650.pdf";
        QTest::newRow("Pythagore Diatonique, mode of Mi")
            << "Pythagore Diatonique" << 2 << ""
            << "Pythagore Diatonique, mode de Mi"
            << "Pythagore Diatonique, mode de Mi 650.pdf";
        QTest::newRow("bonjour typed over Zarlino Diatonique")
            << "Zarlino Diatonique" << 0 << "bonjour"
            << "Zarlino Diatonique"
            << "Zarlino Diatonique 650.pdf";
        QTest::newRow("no table") << "" << 0 << ""
                                  << "Gamme :"
                                  << "Feuille vierge.pdf";
    }
    void theSheetNamesTheFiguresItShows()
    {
        QFETCH(QString, scale);
        QFETCH(int, mode);
        QFETCH(QString, typed);
        Base window;
        typeLength(window, "650");
        if (!scale.isEmpty())
            pickScale(window, scale);
        control<QScrollBar>(window, "HScroll1")->setValue(mode);
        if (!typed.isEmpty())
            control<QComboBox>(window, "Combo1")->setEditText(typed);
        const auto [caption, file] = sheetNames(window);
        QTEST(caption, "caption");
        QTEST(file, "file");
    }

    void theModeBarFromTheKeyboard()
    {
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        pickScale(window, "Pythagore Diatonique");
        control(window, "Command4")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), "HScroll1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(control<QScrollBar>(window, "HScroll1")->value(), 1);
        QCOMPARE(control<QLabel>(window, "Label3")->text().simplified(), "Mode de : Ré");
    }

    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter of the keypad") << int(Qt::Key_Enter);
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(int, key);
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Diatonique");
        auto *reset = control<QPushButton>(window, "Command1");
        QTest::keyClick(reset, Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(visibleRows(window), QList<int>());
        QCOMPARE(control<QLineEdit>(window, "Longvib")->text(), "");
    }

    void theLengthBoxExplainsWhatItRead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("said");
        QTest::newRow("650,5") << "650,5"
                               << "Lu : 650 — « ,5 » est ignoré : les décimales se séparent par "
                                  "un point";
        QTest::newRow("abc") << "abc"
                             << "Aucun nombre au début : la longueur est 0";
        QTest::newRow("12 mm") << "12 mm"
                               << "Lu : 12 — « mm » est ignoré";
    }
    void theLengthBoxExplainsWhatItRead()
    {
        QFETCH(QString, typed);
        QFETCH(QString, said);
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *box = control<QLineEdit>(window, "Longvib");
        auto *hint = control<QLabel>(window, "IndicationLongueur");
        typeLength(window, typed);
        QVERIFY(hint->isVisible());
        QCOMPARE(hint->text(), said);
        QCOMPARE(box->accessibleDescription(), said);
        QVERIFY(window.rect().contains(hint->geometry()));
        typeLength(window, "650");
        QVERIFY(!hint->isVisible());
    }

    void picturesAreDrawnForTheScreensRatio_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<double>("ratio");
        for (const char *picture :
             {"background.bmp", "printer.png", "about_background.png", "about_picture.png"}) {
            for (double ratio : {1.5, 2.0, 3.0})
                QTest::addRow("%s at %g", picture, ratio) << picture << ratio;
        }
    }
    void picturesAreDrawnForTheScreensRatio()
    {
        QFETCH(QString, resource);
        QFETCH(double, ratio);
        const QByteArray path = (":/resources/" + resource).toLatin1();
        const QImage plain = design::picture(path.constData());
        const QImage sharp = design::picture(path.constData(), ratio);
        QCOMPARE(sharp.devicePixelRatio(), ratio);
        QCOMPARE(sharp.width(), qRound(plain.width() * ratio));
        QCOMPARE(sharp.height(), qRound(plain.height() * ratio));
        // At 2 and 3, the drawing for that ratio itself, pixel for pixel, not another scaled.
        if (ratio == 2.0 || ratio == 3.0) {
            const QString drawn = QString(":/resources/%1@%2x.png")
                                      .arg(QFileInfo(resource).completeBaseName())
                                      .arg(int(ratio));
            QImage expected(drawn);
            QVERIFY2(!expected.isNull(), qPrintable(drawn));
            expected.setDevicePixelRatio(ratio);
            QCOMPARE(sharp.convertToFormat(QImage::Format_ARGB32),
                     expected.convertToFormat(QImage::Format_ARGB32));
        }
    }
};

QTEST_MAIN(TestWindowUse)
#include "tst_window_use.moc"
