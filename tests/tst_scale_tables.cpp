// SPDX-License-Identifier: GPL-3.0-or-later
// Every scale and every mode through the real window: the figures a luthier reads at 650, the
// names as written, and the mode scroll bar.
#include "window_test.h"

#include <QPushButton>

using namespace window_test;
using dorvane::ScaleKind;

namespace
{

using Figures = QList<std::pair<int, QString>>; // row and text with a decimal comma
using Names = QList<std::pair<int, QString>>;

const QString zarlinoDiatonic = "Zarlino Diatonique";
const QString pythagoreanDiatonic = "Pythagore Diatonique";

const QList<int> diatonicRows = rowsOf({{0, 6}, {11, 17}});

void checkFigures(const Base &window, const Figures &figures)
{
    for (const auto &[row, text] : figures)
        QCOMPARE(position(window, row)->text(), shown(text));
}

QStringList positionTexts(const Base &window, const QList<int> &rows)
{
    QStringList texts;
    for (int row : rows)
        texts << position(window, row)->text();
    return texts;
}

QStringList noteTexts(const Base &window, const QList<int> &rows)
{
    QStringList texts;
    for (int row : rows)
        texts << note(window, row)->text();
    return texts;
}

QScrollBar *modeBar(const Base &window)
{
    return control<QScrollBar>(window, "HScroll1");
}

QString pattern(const Base &window)
{
    return control<QLineEdit>(window, "Text2")->text();
}

QString modeName(const Base &window)
{
    return control<QLabel>(window, "Label3")->text();
}

bool modeControlsShown(const Base &window)
{
    const bool shown = modeBar(window)->isVisibleTo(&window);
    for (const char *name : {"Text2", "Label1", "Label3"}) {
        if (control(window, name)->isVisibleTo(&window) != shown)
            qFatal("mode controls half shown");
    }
    return shown;
}

} // namespace

class TestScaleTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void figures_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("length");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<Figures>("figures");

        const QList<int> chromatic = rowsOf({{0, 5}, {11, 16}, {26, 31}, {37, 42}});
        const QList<int> pythagorean = rowsOf({{0, 8}, {11, 18}, {21, 29}, {32, 39}});
        const QList<int> zarlino = rowsOf({{0, 41}});
        const Figures zarlinoDiatonic650 = {
            {0, "72,2222"},   {1, "130"},  {2, "162,5"},     {3, "216,6667"}, {4, "260"},
            {5, "303,3333"},  {6, "325"},  {11, "361,1111"}, {12, "390"},     {13, "406,25"},
            {14, "433,3333"}, {15, "455"}, {16, "476,6667"}, {17, "487,5"},
        };
        Figures pythagoreanDiatonic650 = zarlinoDiatonic650;
        const Figures pythagoreanThirds = {{1, "136,4198"},  {4, "264,8148"},  {5, "307,6132"},
                                           {12, "393,2099"}, {15, "457,4074"}, {16, "478,8066"}};
        for (auto &figure : pythagoreanDiatonic650) {
            for (const auto &own : pythagoreanThirds) {
                if (own.first == figure.first)
                    figure = own;
            }
        }
        const Figures simplifiedCommon = {{1, "72,2222"},   {4, "162,5"},   {11, "216,6667"},
                                          {27, "361,1111"}, {30, "406,25"}, {37, "433,3333"}};

        QTest::newRow("Zarlino Diatonique, 650")
            << zarlinoDiatonic << "650" << 1 << diatonicRows << zarlinoDiatonic650;
        QTest::newRow("Pythagore Diatonique, 650")
            << pythagoreanDiatonic << "650" << 2 << diatonicRows << pythagoreanDiatonic650;
        QTest::newRow("Zarlino Diatonique, 650.0001")
            << zarlinoDiatonic << "650.0001" << 1 << diatonicRows
            << Figures{{6, "325"}, {11, "361,1112"}, {17, "487,5001"}};
        QTest::newRow("Zarlino Chromatique simplifiée, 650")
            << "Zarlino Chromatique simplifiée"
            << "650" << 6 << chromatic
            << simplifiedCommon + Figures{{0, "26"},    {2, "108,3333"},  {5, "182"},
                                          {13, "260"},  {15, "303,3333"}, {16, "325"},
                                          {26, "338"},  {31, "416"},      {41, "476,6667"},
                                          {42, "487,5"}};
        QTest::newRow("Pythagore Chromatique simplifiée, 650")
            << "Pythagore Chromatique simplifiée"
            << "650" << 5 << chromatic
            << simplifiedCommon + Figures{{0, "41,3123"},   {3, "136,4198"},  {5, "193,4842"},
                                          {12, "244,2082"}, {15, "307,6132"}, {29, "393,2099"}};
        QTest::newRow("Zarlino Chromatique simplifiée, 650.0001")
            << "Zarlino Chromatique simplifiée"
            << "650.0001" << 6 << chromatic
            << Figures{{16, "325,0001"}, {27, "361,1112"}, {42, "487,5001"}};
        QTest::newRow("Pythagore Chromatique, 650")
            << "Pythagore Chromatique"
            << "650" << 7 << pythagorean
            << Figures{{0, "33,0078"},   {1, "41,3123"}, {4, "108,9443"},  {7, "187,2559"},
                       {16, "289,2962"}, {18, "325"},    {21, "341,5039"}, {28, "418,6279"},
                       {37, "469,6481"}, {39, "487,5"}};
        QTest::newRow("Pythagore Chromatique, 650.0001")
            << "Pythagore Chromatique"
            << "650.0001" << 7 << pythagorean << Figures{{18, "325,0001"}, {39, "487,5001"}};
        QTest::newRow("Zarlino Chromatique, 650")
            << "Zarlino Chromatique"
            << "650" << 8 << zarlino
            << Figures{{0, "26"},     {1, "48,1481"}, {7, "150,8"}, {10, "198,6111"},
                       {19, "317,2"}, {20, "325"},    {21, "338"},  {22, "349,0741"},
                       {40, "483,6"}, {41, "487,5"}};
        QTest::newRow("Zarlino Chromatique, 650.0001")
            << "Zarlino Chromatique"
            << "650.0001" << 8 << zarlino << Figures{{20, "325,0001"}, {41, "487,5001"}};
        QTest::newRow("Zarlino Chromatique, 0")
            << "Zarlino Chromatique"
            << "0" << 8 << zarlino << Figures{{0, "0"}, {41, "0"}};
    }
    void figures()
    {
        QFETCH(QString, scale);
        QFETCH(QString, length);
        QFETCH(int, kind);
        QFETCH(QList<int>, rows);
        QFETCH(Figures, figures);
        Base window;
        typeLength(window, length);
        pickScale(window, scale);
        QCOMPARE(int(window.storedScaleKind()), kind);
        QCOMPARE(visibleRows(window), rows);
        checkFigures(window, figures);
        for (int i = 0; i < Base::RowCount; ++i) {
            const bool inSet = rows.contains(i);
            QCOMPARE(!position(window, i)->text().isEmpty(), inSet);
            QCOMPARE(!note(window, i)->text().isEmpty(), inSet);
        }
        QCOMPARE(modeControlsShown(window), kind == 2);
    }

    void names_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QStringList>("octave");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("Zarlino Diatonique")
            << zarlinoDiatonic
            << QStringList{"Ré  ", "Mi  ", "Fa  ", "Sol ", "La  ", "Si  ", "Do  "} << diatonicRows;
        QTest::newRow("Pythagore Chromatique simplifiée")
            << "Pythagore Chromatique simplifiée"
            << QStringList{"Do #", "Ré  ",  "Mi b", "Mi  ", "Fa  ", "Fa #",
                           "Sol ", "Sol #", "La  ", "Si b", "Si  ", "Do  "}
            << rowsOf({{0, 5}, {11, 16}, {26, 31}, {37, 42}});
        QTest::newRow("Pythagore Chromatique")
            << "Pythagore Chromatique"
            << QStringList{"Ré b", "Do #", "Ré  ",  "Mi b", "Ré #", "Mi  ", "Fa  ", "Sol b", "Fa #",
                           "Sol ", "La b", "Sol #", "La  ", "Si b", "La #", "Si  ", "Do  "}
            << rowsOf({{0, 8}, {11, 18}, {21, 29}, {32, 39}});
        QTest::newRow("Zarlino Chromatique")
            << "Zarlino Chromatique"
            << QStringList{"Do #", "Ré b", "Ré  ", "Ré #",  "Mi b", "Mi  ",  "Fa b",
                           "Mi #", "Fa  ", "Fa #", "Sol b", "Sol ", "Sol #", "La b",
                           "La  ", "La #", "Si b", "Si  ",  "Do b", "Si #",  "Do  "}
            << rowsOf({{0, 41}});
    }
    void names()
    {
        QFETCH(QString, scale);
        QFETCH(QStringList, octave);
        QFETCH(QList<int>, rows);
        Base window;
        typeLength(window, "650");
        pickScale(window, scale);
        QCOMPARE(noteTexts(window, rows), octave + octave);
    }

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

    void typingALengthAloneChangesNoMode()
    {
        Base window;
        typeLength(window, "700");
        pickScale(window, pythagoreanDiatonic);
        modeBar(window)->setValue(3);
        const QStringList at700 = positionTexts(window, diatonicRows);
        typeLength(window, "650");
        typeLength(window, "700");
        QCOMPARE(modeBar(window)->value(), 3);
        QCOMPARE(positionTexts(window, diatonicRows), at700);
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

    void everyPositionIsFullyVisible()
    {
        // The widest table at 650: every text shows whole, from its beginning.
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        for (int row : visibleRows(window)) {
            for (QLineEdit *box : {position(window, row), note(window, row)})
                QVERIFY2(showsWholeText(box), qPrintable(box->text()));
        }
    }
};

QTEST_MAIN(TestScaleTables)
#include "tst_scale_tables.moc"
