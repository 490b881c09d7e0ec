// SPDX-License-Identifier: GPL-3.0-or-later
// Every scale and every mode through the real window: the figures a luthier reads at 650, the
// names as written.
#include "scale_table_test.h"

#include <QPushButton>

using namespace window_test;
using namespace scale_table_test;
using dorvane::ScaleKind;

class TestScaleTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void theCoresTableIsWhatTheWindowShows_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("mode");
        for (const dorvane::ScaleSystem &system : dorvane::scales::Systems) {
            const QString name = QString::fromUtf8(system.name.data(), system.name.size());
            for (int mode = 0; mode < (system.hasModes ? dorvane::scales::ModeCount : 1); ++mode)
                QTest::addRow("%s, mode %d, at 650", qPrintable(name), mode) << name << mode;
        }
    }
    void theCoresTableIsWhatTheWindowShows()
    {
        // The table every output is made of: its frets, in order, are the rows the window shows,
        // with the same figures and the same names but for the blanks that pad them.
        QFETCH(QString, scale);
        QFETCH(int, mode);
        Base window;
        typeLength(window, "650");
        pickScale(window, scale);
        modeBar(window)->setValue(mode);
        const dorvane::FretTable table =
            dorvane::TableOf({dorvane::FindSystem(scale.toStdString()), mode,
                              dorvane::Currency::fromScaled(6500000)});
        const QList<int> rows = visibleRows(window);
        QCOMPARE(qsizetype(table.frets.size()), rows.size());
        for (qsizetype k = 0; k < rows.size(); ++k) {
            const dorvane::Fret &fret = table.frets[std::size_t(k)];
            QCOMPARE(fret.number, int(k) + 1);
            QCOMPARE(shown(QString::fromStdString(dorvane::CurrencyText(fret.position, ",").str())),
                     position(window, rows[k])->text());
            QCOMPARE(QString::fromStdString(fret.note), note(window, rows[k])->text().trimmed());
        }
    }

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
