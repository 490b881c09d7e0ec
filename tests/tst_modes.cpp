// SPDX-License-Identifier: GPL-3.0-or-later
// The seven modes of the Pythagorean diatonic scale through the real window and its mode bar.
#include "scale_table_test.h"

#include <QPushButton>

using namespace window_test;
using namespace scale_table_test;
using dorvane::ScaleKind;

class TestModes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void choosingPythagoreanDiatonicShowsTheFirstMode()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, pythagoreanDiatonic);
        QVERIFY(modeControlsShown(window));
        QCOMPARE(modeBar(window)->value(), 0);
        QCOMPARE(pattern(window), "  2 2 1 2 2 2 1");
        QCOMPARE(modeName(window), "     Mode de : Do");
        QCOMPARE(modeBar(window)->minimum(), 0);
        QCOMPARE(modeBar(window)->maximum(), 6);
        pickScale(window, zarlinoDiatonic);
        QVERIFY(!modeControlsShown(window));
    }

    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Figures>("figures");
        QTest::addColumn<QStringList>("names"); // rows 0-5 then 11-16
        QTest::newRow("mode 1, Ré")
            << 1 << "  2 1 2 2 2 1 2"
            << "     Mode de : Ré"
            << Figures{{0, "72,2222"},  {1, "101,5625"},  {2, "162,5"},     {3, "216,6667"},
                       {4, "264,8148"}, {5, "284,375"},   {11, "361,1111"}, {12, "375,7812"},
                       {13, "406,25"},  {14, "433,3333"}, {15, "457,4074"}, {16, "467,1875"}}
            << QStringList{"Ré ", "Mi b", "Fa ", "Sol ", "La ", "Si b",
                           "Ré ", "Mi b", "Fa ", "Sol ", "La ", "Si b"};
        QTest::newRow("mode 2, Mi")
            << 2 << "  1 2 2 2 1 2 2"
            << "     Mode de : Mi" << Figures{{0, "41,3123"}, {11, "345,6561"}}
            << QStringList{"Do #", "Mi b", "Fa ", "Sol ", "Sol #", "Si b",
                           "Do #", "Mi b", "Fa ", "Sol ", "Sol #", "Si b"};
        QTest::newRow("mode 3, Fa")
            << 3 << "  2 2 2 1 2 2 1"
            << "     Mode de : Fa" << Figures{{2, "193,4842"}, {13, "421,7421"}}
            << QStringList{"Ré ", "Mi ", "Fa #", "Sol ", "La ", "Si ",
                           "Ré ", "Mi ", "Fa #", "Sol ", "La ", "Si "};
        QTest::newRow("mode 4, Sol") << 4 << "  2 2 1 2 2 1 2"
                                     << "     Mode de : Sol" << Figures{}
                                     << QStringList{"Ré ", "Mi ", "Fa ", "Sol ", "La ", "Si b",
                                                    "Ré ", "Mi ", "Fa ", "Sol ", "La ", "Si b"};
        QTest::newRow("mode 5, La")
            << 5 << "  2 1 2 2 1 2 2"
            << "     Mode de : La" << Figures{{4, "244,2082"}, {15, "447,1041"}}
            << QStringList{"Ré  ", "Mi b", "Fa ", "Sol ",  "Sol #", "Si b",
                           "Ré ",  "Mi b", "Fa ", "Sol  ", "sol #", "Si b"};
        QTest::newRow("mode 6, Si")
            << 6 << "  1 2 2 1 2 2 2"
            << "     Mode de : Si" << Figures{{4, "244,2082"}, {15, "447,1041"}}
            << QStringList{"Do #", "Mi b", "Fa ", "Fa #", "Sol #", "Si b",
                           "Do #", "Mi b", "Fa ", "Fa #", "Sol #", "Si b"};
    }
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(QString, steps);
        QFETCH(QString, caption);
        QFETCH(Figures, figures);
        QFETCH(QStringList, names);
        Base window;
        typeLength(window, "650");
        pickScale(window, pythagoreanDiatonic);
        modeBar(window)->setValue(mode);
        QCOMPARE(pattern(window), steps);
        QCOMPARE(modeName(window), caption);
        checkFigures(window, figures);
        const QList<int> changed = rowsOf({{0, 5}, {11, 16}});
        QCOMPARE(noteTexts(window, changed), names);
        // The octaves stay: "Do  " at 325 and 487,5.
        QCOMPARE(noteTexts(window, {6, 17}), QStringList({"Do  ", "Do  "}));
        checkFigures(window, {{6, "325"}, {17, "487,5"}});
        QCOMPARE(visibleRows(window), diatonicRows);
    }

    void modeZeroIsThePythagoreanDiatonicScale()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, pythagoreanDiatonic);
        const QStringList major = positionTexts(window, diatonicRows);
        const QStringList majorNames = noteTexts(window, diatonicRows);
        for (int mode = 1; mode <= 6; ++mode) {
            modeBar(window)->setValue(mode);
            modeBar(window)->setValue(0);
            QCOMPARE(positionTexts(window, diatonicRows), major);
            QCOMPARE(noteTexts(window, diatonicRows), majorNames);
            QCOMPARE(pattern(window), "  2 2 1 2 2 2 1");
            QCOMPARE(modeName(window), "     Mode de : Do");
        }
    }

    void modesFollowANewLengthInEveryRow()
    {
        // A mode run after a new length recomputes all fourteen rows, the octaves included, so
        // the table never mixes two lengths.
        Base window;
        typeLength(window, "650");
        pickScale(window, pythagoreanDiatonic);
        typeLength(window, "1300");
        modeBar(window)->setValue(1);
        checkFigures(window, {{0, "144,4444"}, {6, "650"}, {11, "722,2222"}, {17, "975"}});
        QCOMPARE(noteTexts(window, {6, 17}), QStringList({"Do  ", "Do  "}));
        typeLength(window, "650");
        modeBar(window)->setValue(0);
        checkFigures(window, {{0, "72,2222"}, {6, "325"}, {17, "487,5"}});
    }

    void choosingPythagoreanDiatonicAgainResetsTheMode_data()
    {
        QTest::addColumn<QString>("before");
        QTest::newRow("from Pythagore Diatonique") << pythagoreanDiatonic;
        QTest::newRow("from a chromatic scale, bar left at 4") << "Zarlino Chromatique";
    }
    void choosingPythagoreanDiatonicAgainResetsTheMode()
    {
        QFETCH(QString, before);
        Base reference;
        typeLength(reference, "650");
        pickScale(reference, pythagoreanDiatonic);

        Base window;
        typeLength(window, "650");
        pickScale(window, pythagoreanDiatonic);
        modeBar(window)->setValue(4); // the bar keeps its value while hidden
        pickScale(window, before);
        pickScale(window, pythagoreanDiatonic);
        QCOMPARE(modeBar(window)->value(), 0);
        QVERIFY(modeControlsShown(window));
        QCOMPARE(pattern(window), "  2 2 1 2 2 2 1");
        QCOMPARE(modeName(window), "     Mode de : Do");
        QCOMPARE(positionTexts(window, diatonicRows), positionTexts(reference, diatonicRows));
        QCOMPARE(noteTexts(window, diatonicRows), noteTexts(reference, diatonicRows));
        QCOMPARE(visibleRows(window), diatonicRows);
    }

    void theBarStepsByOneAndByTwo()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, pythagoreanDiatonic);
        QScrollBar *bar = modeBar(window);
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(modeName(window), "     Mode de : Ré");
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(bar->value(), 3);
        QCOMPARE(modeName(window), "     Mode de : Fa");
        for (int k = 0; k < 5; ++k)
            bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(bar->value(), 6);
        QCOMPARE(modeName(window), "     Mode de : Si");
    }

    void switchingDiatonicKindsChangesOnlyTheirOwnRows()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, zarlinoDiatonic);
        const QStringList zarlino = positionTexts(window, diatonicRows);
        pickScale(window, pythagoreanDiatonic);
        const QStringList pythagorean = positionTexts(window, diatonicRows);
        for (int k = 0; k < diatonicRows.size(); ++k) {
            const bool own = QList<int>{1, 4, 5, 12, 15, 16}.contains(diatonicRows[k]);
            QCOMPARE(zarlino[k] != pythagorean[k], own);
        }
    }

    void unmatchedComboTextShowsTheFirstModeForKindTwo()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, pythagoreanDiatonic);
        modeBar(window)->setValue(2);
        control<QComboBox>(window, "Combo1")->setEditText("pythagore diatonique");
        QMetaObject::invokeMethod(&window, "Combo1_Click");
        QVERIFY(modeControlsShown(window));
        QCOMPARE(modeBar(window)->value(), 2); // the bar is not moved
        QCOMPARE(pattern(window), "  2 2 1 2 2 2 1");
        QCOMPARE(modeName(window), "     Mode de : Do");
        QCOMPARE(position(window, 0)->text(), shown("41,3123")); // the rows stay those of mode 2
    }

    void resetHidesTheModeControlsAndKeepsTheKind()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, pythagoreanDiatonic);
        modeBar(window)->setValue(5);
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        QVERIFY(!modeControlsShown(window));
        QCOMPARE(window.storedScaleKind(), ScaleKind::PythagoreanDiatonic);
        QCOMPARE(modeBar(window)->value(), 5);
        QCOMPARE(modeName(window), "     Mode de : La");
    }
};

QTEST_MAIN(TestModes)
#include "tst_modes.moc"
