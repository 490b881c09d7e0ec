// SPDX-License-Identifier: GPL-3.0-or-later
// The main window through its real widgets: its design, the length box, the choice of a scale,
// the reset and the equal-tempered tables.
#include "window_test.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QImageReader>
#include <QPushButton>
#include <QResource>
#include <QSignalSpy>

using namespace window_test;
using dorvane::Currency;

namespace
{

const QStringList scaleList = {
    "Tempérée Diatonique",
    "Tempérée Chromatique",
    "Zarlino Diatonique",
    "Zarlino Chromatique",
    "Zarlino Chromatique simplifiée",
    "Pythagore Diatonique",
    "Pythagore Chromatique",
    "Pythagore Chromatique simplifiée",
};

// The equal-tempered positions of 650 for 1 to 24 semitones, with a decimal comma.
const QStringList tempered650 = {
    "36,4817",  "70,9158",  "103,4173", "134,0947", "163,0502", "190,3806", "216,177",  "240,5257",
    "263,5077", "285,1998", "305,6745", "325",      "343,2408", "360,4579", "376,7087", "392,0473",
    "406,5251", "420,1903", "433,0885", "445,2628", "456,7538", "467,5999", "477,8372", "487,5",
};

const QList<int> diatonicRows = rowsOf({{0, 6}, {11, 17}});
const QList<int> chromaticRows = rowsOf({{0, 5}, {11, 16}, {26, 31}, {37, 42}});
const QStringList diatonicNames = {"Ré  ", "Mi  ", "Fa  ", "Sol ", "La  ", "Si  ", "Do  "};
const QStringList chromaticNames = {"Do #", "Ré  ",  "Mi b", "Mi  ", "Fa  ", "Fa #",
                                    "Sol ", "Sol #", "La  ", "Si b", "Si  ", "Do  "};

qint64 scaled(const Base &window)
{
    return window.storedLength().scaled();
}

} // namespace

class TestBase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void startsEmpty()
    {
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.objectName(), "Base");
        QCOMPARE(window.windowTitle(), "Dorvane 2.4");
        QCOMPARE(window.size(), QSize(474, 382));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(visibleRows(window).isEmpty());
        for (const char *mode : {"Label1", "HScroll1", "Text2", "Label3"})
            QVERIFY(!control(window, mode)->isVisibleTo(&window));
        for (int i = 0; i < Base::RowCount; ++i)
            QVERIFY(position(window, i)->text().isEmpty() && note(window, i)->text().isEmpty());

        auto *combo = control<QComboBox>(window, "Combo1");
        QCOMPARE(combo->currentText(), "Gamme :");
        QCOMPARE(combo->currentIndex(), -1);
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        QCOMPARE(entries, scaleList);

        QCOMPARE(QApplication::focusWidget(), control(window, "Longvib"));
        QCOMPARE(control<QLabel>(window, "Label2")->text(), "  Longueur  vibrante :");
        QCOMPARE(control<QLabel>(window, "Label1")->text(), " Structure 1/2 Ton");
        QCOMPARE(control<QLabel>(window, "Label3")->text(), " Mode de : ");
        QCOMPARE(control<QPushButton>(window, "Command1")->text(), "0");
        QCOMPARE(control<QPushButton>(window, "Command2")->text(), "?");
        QVERIFY(!control<QPushButton>(window, "Command4")->icon().isNull());
        QCOMPARE(window.storedLength(), Currency{});
        QCOMPARE(window.storedScaleKind(), dorvane::ScaleKind::NoScale);
    }

    void backgroundIsShownFromTheProgramsMemory()
    {
        // Read by the toolkit's own reader, the background has the same pixels; mapped, it is
        // not copied at every start.
        const QImage shown = design::picture(":/resources/background.bmp");
        QImageReader reader(":/resources/background.bmp", "bmp");
        const QImage read = reader.read();
        QCOMPARE(shown.size(), QSize(495, 403));
        QCOMPARE(shown, read.convertToFormat(shown.format()));
        const QResource stored(":/resources/background.bmp");
        QVERIFY(shown.constBits() > stored.data() &&
                shown.constBits() < stored.data() + stored.size());
    }

    void designFontsAreInstalledFaces()
    {
        // The set-up installs the faces that stand in for the design's three families.
        for (const char *family : {"Arial", "MS Sans Serif", "Times New Roman"}) {
            const QFont font = design::font(family, 8.25);
            QVERIFY2(QFontDatabase::hasFamily(font.family()), family);
            QCOMPARE(QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive), 0);
            QVERIFY(font.bold());
        }
    }

    void topLineAndModeControlsInPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("fontPixels");
        QTest::newRow("Label2") << "Label2" << QRect(0, 0, 129, 22) << 11;
        QTest::newRow("Longvib") << "Longvib" << QRect(128, 0, 57, 22) << 11;
        QTest::newRow("Command1") << "Command1" << QRect(184, 0, 25, 22) << 13;
        QTest::newRow("Combo1") << "Combo1" << QRect(208, 0, 217, 22) << 11;
        QTest::newRow("Command4") << "Command4" << QRect(424, 0, 25, 22) << 13;
        QTest::newRow("Command2") << "Command2" << QRect(449, 0, 25, 22) << 13;
        QTest::newRow("Label1") << "Label1" << QRect(56, 263, 105, 19) << 11;
        QTest::newRow("HScroll1") << "HScroll1" << QRect(56, 280, 105, 19) << 0;
        QTest::newRow("Text2") << "Text2" << QRect(56, 296, 105, 19) << 15;
        QTest::newRow("Label3") << "Label3" << QRect(56, 314, 105, 19) << 11;
    }
    void topLineAndModeControlsInPlace()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(int, fontPixels);
        Base window;
        QWidget *widget = control(window, name);
        QCOMPARE(widget->geometry(), place);
        if (fontPixels) {
            QCOMPARE(widget->font().pixelSize(), fontPixels);
            QVERIFY(widget->font().bold());
        }
    }

    void tableInFourColumns()
    {
        // Columns start at rows 0, 11, 21 and 32; position boxes at 120, 1800, 3840 and 5520
        // twips, name boxes 960 further; rows 480 twips apart from the top at 480.
        Base window;
        const int firstRows[] = {0, 11, 21, 32, 43};
        const int lefts[] = {8, 120, 256, 368};
        for (int c = 0; c < 4; ++c) {
            for (int i = firstRows[c]; i < firstRows[c + 1]; ++i) {
                const int top = 32 + 32 * (i - firstRows[c]);
                QCOMPARE(position(window, i)->geometry(), QRect(lefts[c], top, 57, 19));
                QCOMPARE(note(window, i)->geometry(), QRect(lefts[c] + 64, top, 33, 19));
            }
        }
        QCOMPARE(position(window, 42)->geometry().top(), 352);
        QCOMPARE(position(window, 20)->geometry().top(), 320);
    }

    void keyboardOrder()
    {
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QStringList order;
        for (QWidget *w = control(window, "Longvib"); order.size() < 5; w = w->nextInFocusChain()) {
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && w->parent() == &window)
                order << w->objectName();
        }
        QCOMPARE(order, QStringList({"Longvib", "Command2", "Combo1", "Command1", "Command4"}));

        pickScale(window, "Tempérée Chromatique");
        QStringList shown;
        QWidget *w = control(window, "Longvib");
        for (int k = 0; k < 200 && shown.size() < 10; ++k, w = w->nextInFocusChain()) {
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) && w->parent() == &window)
                shown << w->objectName();
        }
        QCOMPARE(shown, QStringList({"Longvib", "Text1(0)", "Command2", "Combo1", "Command1",
                                     "Sol1(0)", "Sol1(1)", "Text1(1)", "Sol1(2)", "Text1(2)"}));
    }

    void typingStoresEachChange()
    {
        Base window;
        auto *box = control<QLineEdit>(window, "Longvib");
        QList<qint64> stored;
        connect(box, &QLineEdit::textChanged, &window, [&] { stored << scaled(window); });
        QTest::keyClicks(box, "650");
        QCOMPARE(stored, QList<qint64>({60000, 650000, 6500000}));
    }

    void temperedChromatic650()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Tempérée Chromatique");
        QCOMPARE(window.storedScaleKind(), dorvane::ScaleKind::TemperedChromatic);
        QCOMPARE(visibleRows(window), chromaticRows);
        for (int k = 0; k < chromaticRows.size(); ++k) {
            const int row = chromaticRows[k];
            QCOMPARE(position(window, row)->text(), shown(tempered650[k]));
            QCOMPARE(note(window, row)->text(), chromaticNames[k % 12]);
        }
        for (int i = 0; i < Base::RowCount; ++i) {
            if (!chromaticRows.contains(i))
                QVERIFY(position(window, i)->text().isEmpty() && note(window, i)->text().isEmpty());
        }
    }

    void temperedDiatonic650()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Tempérée Diatonique");
        QCOMPARE(window.storedScaleKind(), dorvane::ScaleKind::TemperedDiatonic);
        QCOMPARE(visibleRows(window), diatonicRows);
        const int semitones[] = {2, 4, 5, 7, 9, 11, 12, 14, 16, 17, 19, 21, 23, 24};
        for (int k = 0; k < diatonicRows.size(); ++k) {
            QCOMPARE(position(window, diatonicRows[k])->text(),
                     shown(tempered650[semitones[k] - 1]));
            QCOMPARE(note(window, diatonicRows[k])->text(), diatonicNames[k % 7]);
        }
        // The same number of semitones shows the same text in both scales.
        const QString fifth = position(window, 3)->text();
        pickScale(window, "Tempérée Chromatique");
        QCOMPARE(position(window, 11)->text(), fifth);
    }

    void zeroAndNegativeLengths()
    {
        Base window;
        pickScale(window, "Tempérée Chromatique");
        for (int row : chromaticRows)
            QCOMPARE(position(window, row)->text(), "0");
        typeLength(window, "-650");
        pickScale(window, "Tempérée Chromatique");
        for (int k = 0; k < chromaticRows.size(); ++k)
            QCOMPARE(position(window, chromaticRows[k])->text(), "-" + shown(tempered650[k]));
    }

    void aNewChoiceReplacesTheWholeTable()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Tempérée Diatonique");
        position(window, 6)->setText("typed by hand");
        pickScale(window, "Tempérée Chromatique");
        QCOMPARE(visibleRows(window), chromaticRows);
        for (int row : {6, 17}) {
            QVERIFY(!position(window, row)->isVisibleTo(&window));
            QCOMPARE(position(window, row)->text(), QString());
            QCOMPARE(note(window, row)->text(), QString());
        }
    }

    void typedComboTextIsNotActedUpon()
    {
        Base window;
        typeLength(window, "650");
        auto *combo = control<QComboBox>(window, "Combo1");
        QSignalSpy picked(combo, &QComboBox::activated);
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), "Zarlino Diatonique");
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
        QCOMPARE(picked.count(), 0);
        QVERIFY(visibleRows(window).isEmpty());
        QCOMPARE(window.storedScaleKind(), dorvane::ScaleKind::NoScale);
        QCOMPARE(combo->currentText(), "Zarlino Diatonique");
    }

    void comboTextMatchingNoEntryChangesNothing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("letter case") << "tempérée diatonique";
        QTest::newRow("trailing blank") << "Tempérée Diatonique ";
        QTest::newRow("no accent") << "Temperee Diatonique";
        QTest::newRow("the prompt") << "Gamme :";
    }
    void comboTextMatchingNoEntryChangesNothing()
    {
        QFETCH(QString, text);
        Base window;
        typeLength(window, "650");
        pickScale(window, "Tempérée Chromatique");
        typeLength(window, "100");
        auto *combo = control<QComboBox>(window, "Combo1");
        combo->setEditText(text);
        QMetaObject::invokeMethod(&window, "Combo1_Click");
        QCOMPARE(window.storedScaleKind(), dorvane::ScaleKind::TemperedChromatic);
        QCOMPARE(visibleRows(window), chromaticRows);
        QCOMPARE(position(window, 16)->text(), "50"); // the table follows the length typed
        QVERIFY(!control(window, "HScroll1")->isVisibleTo(&window));
    }

    void pickWithTheMouse()
    {
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        typeLength(window, "650");
        auto *combo = control<QComboBox>(window, "Combo1");
        combo->showPopup();
        QAbstractItemView *view = combo->view();
        QTRY_VERIFY(view->isVisible());
        QTest::qWait(QApplication::doubleClickInterval() + 50); // a release right away is ignored
        const QRect entry = view->visualRect(view->model()->index(1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, entry.center());
        QTRY_COMPARE(window.storedScaleKind(), dorvane::ScaleKind::TemperedChromatic);
        QCOMPARE(combo->currentText(), "Tempérée Chromatique");
        QCOMPARE(position(window, 0)->text(), shown("36,4817"));
    }

    void reset()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Tempérée Chromatique");
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        QCOMPARE(control<QComboBox>(window, "Combo1")->currentText(), "Gamme :");
        QCOMPARE(control<QLineEdit>(window, "Longvib")->text(), QString());
        QCOMPARE(window.storedLength(), Currency{});
        QCOMPARE(window.storedScaleKind(), dorvane::ScaleKind::TemperedChromatic); // the kind stays
        QVERIFY(visibleRows(window).isEmpty());
        for (int row : chromaticRows)
            QCOMPARE(position(window, row)->text(), QString());
        typeLength(window, "100");
        QVERIFY(visibleRows(window).isEmpty());
    }

    void positionsAreFullyVisible_data()
    {
        QTest::addColumn<QString>("length");
        QTest::newRow("650") << "650";
        QTest::newRow("999.9999") << "999.9999";
        QTest::newRow("888.8888") << "888.8888";
    }
    void positionsAreFullyVisible()
    {
        QFETCH(QString, length);
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        typeLength(window, length);
        pickScale(window, "Tempérée Chromatique");
        for (int row : chromaticRows)
            QVERIFY2(showsWholeText(position(window, row)),
                     qPrintable(position(window, row)->text()));
    }
};

QTEST_MAIN(TestBase)
#include "tst_base.moc"
