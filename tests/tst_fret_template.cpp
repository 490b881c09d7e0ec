// SPDX-License-Identifier: GPL-3.0-or-later
// The template's geometry, free of the toolkit: what it refuses, and where its texts stand.
#include "dxf.h"
#include "fret_template.h"
#include "svg.h"
#include "systems.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <map>

using namespace dorvane;

namespace
{

Currency mm(const char *text)
{
    return Currency::fromScaled(std::llround(std::atof(text) * 10000));
}

struct Line {
    double x1, y1, x2, y2;
};

// The <line> elements of an SVG by their ids, as the file writes them.
std::map<QString, Line> svgLines(const std::string &svg)
{
    std::map<QString, Line> lines;
    static const QRegularExpression element(
        "<line id=\"([^\"]+)\" x1=\"([^\"]+)\" y1=\"([^\"]+)\" x2=\"([^\"]+)\" y2=\"([^\"]+)\"");
    for (const auto &m : element.globalMatch(QString::fromStdString(svg)))
        lines[m.captured(1)] = {m.captured(2).toDouble(), m.captured(3).toDouble(),
                                m.captured(4).toDouble(), m.captured(5).toDouble()};
    return lines;
}

// How far along `string` from its first end it meets `fret`.
double crossing(const Line &string, const Line &fret)
{
    const double dx = string.x2 - string.x1, dy = string.y2 - string.y1;
    const double ex = fret.x2 - fret.x1, ey = fret.y2 - fret.y1;
    const double t =
        ((fret.x1 - string.x1) * ey - (fret.y1 - string.y1) * ex) / (dx * ey - dy * ex);
    return t * std::hypot(dx, dy);
}

} // namespace

class TestFretTemplate : public QObject
{
    Q_OBJECT

private slots:
    void refused_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("length");
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<int>("reason"); // -1 where the template can be made
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("fret");
        const int none = -1;
        QTest::newRow("650, 60, 0,6") << "Zarlino Chromatique"
                                      << "650"
                                      << "60"
                                      << "0.6" << none << "0" << 0;
        QTest::newRow("no scale") << ""
                                  << "650"
                                  << "60"
                                  << "0" << int(TemplateFault::NoTable) << "0" << 0;
        QTest::newRow("a length of 0") << "Zarlino Chromatique"
                                       << "0"
                                       << "60"
                                       << "0" << int(TemplateFault::OutOfRange) << "100000" << 0;
        QTest::newRow("a strip of 0") << "Zarlino Chromatique"
                                      << "650"
                                      << "0"
                                      << "0" << int(TemplateFault::OutOfRange) << "100000" << 0;
        QTest::newRow("a slot as wide as the strip")
            << "Tempérée Chromatique"
            << "650"
            << "60"
            << "60" << int(TemplateFault::SlotOverStrip) << "60" << 0;
        // Frets 40 and 41 of Zarlino's chromatic scale at 330: 48/25 and 125/64 on the half
        // length 165, at 330 - 165 / 1.92 = 244.0625 and 330 - 165 / 1.953125 = 245.52.
        QTest::newRow("330, a slot of the gap after fret 40")
            << "Zarlino Chromatique"
            << "330"
            << "60"
            << "1.4575" << int(TemplateFault::SlotOverGap) << "1.4575" << 40;
        QTest::newRow("330, a slot just narrower") << "Zarlino Chromatique"
                                                   << "330"
                                                   << "60"
                                                   << "1.4574" << none << "0" << 0;
    }
    void refused()
    {
        QFETCH(QString, scale);
        QFETCH(QString, length);
        QFETCH(QString, strip);
        QFETCH(QString, slot);
        QFETCH(int, reason);
        QFETCH(QString, limit);
        QFETCH(int, fret);
        const FretTable table =
            TableOf({FindSystem(scale.toStdString()), 0, mm(qPrintable(length))});
        TemplateSettings settings;
        settings.stripWidth = mm(qPrintable(strip));
        settings.slotWidth = mm(qPrintable(slot));
        const Done possible = CheckTemplate(table, settings);
        QCOMPARE(possible ? -1 : int(std::get<TemplateFault>(possible.failure().reason)), reason);
        if (!possible) {
            QCOMPARE(possible.failure().amount, mm(qPrintable(limit)));
            QCOMPARE(possible.failure().count, fret);
        }
    }

    // A board read back from its SVG: each string's crossing with each fret at the position
    // its own table gives, to the file's ten-thousandths and the roundings of the board; and
    // in its DXF, each fret one line on its layer, the board one closed polyline.
    void boardsReadBack_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("strings");
        QTest::addColumn<QString>("bass");
        QTest::addColumn<double>("perpendicular");
        QTest::newRow("6, 648/686, P 7, tempered") << "Tempérée Chromatique" << 6 << "686" << 7.0;
        QTest::newRow("24, 648 straight, Zarlino") << "Zarlino Chromatique" << 24 << "648" << 0.0;
        QTest::newRow("4, 648/620, P 12.5, Pythagore")
            << "Pythagore Chromatique simplifiée" << 4 << "620" << 12.5;
    }
    void boardsReadBack()
    {
        QFETCH(QString, scale);
        QFETCH(int, strings);
        QFETCH(QString, bass);
        QFETCH(double, perpendicular);
        const ScaleSystem *system = FindSystem(scale.toStdString());
        const TableAt at = [system](Currency length) { return TableOf({system, 0, length}); };
        TemplateSettings settings;
        settings.slotWidth = mm("0.5");
        settings.board = {strings,
                          mm(qPrintable(bass)),
                          perpendicular,
                          mm("35"),
                          mm("52.5"),
                          mm("3.5"),
                          mm("0"),
                          false,
                          {}};
        const FretTable table = at(mm("648"));
        QVERIFY(CheckTemplate(table, settings, at));
        const FretTemplate made = MakeTemplate(table, settings, ",", at);
        QVERIFY(made.board);
        const std::map<QString, Line> lines = svgLines(TemplateSvg(made));
        for (int s = 1; s <= strings; ++s) {
            const Line &string = lines.at(QString("string-%1").arg(s));
            const BoardString &expected = made.board->strings[std::size_t(s - 1)];
            for (const Fret &fret : table.frets) {
                const double along =
                    crossing(string, lines.at(QString("fret-%1").arg(fret.number)));
                const double position =
                    DoubleFromCurrency(expected.positions[std::size_t(fret.number - 1)]);
                QVERIFY2(std::abs(along - position) < 2.5e-4,
                         qPrintable(QString("string %1, fret %2: %3 for %4")
                                        .arg(s)
                                        .arg(fret.number)
                                        .arg(along)
                                        .arg(position)));
            }
        }
        const QString dxf = QString::fromStdString(TemplateDxf(made));
        QCOMPARE(dxf.count("LINE\n8\nFRETS"), qsizetype(table.frets.size()));
        QCOMPARE(dxf.count("POLYLINE\n8\nBOARD"), 1);
        QCOMPARE(dxf.count("POLYLINE\n8\nSLOTS"), qsizetype(table.frets.size()));
        QCOMPARE(dxf.count("LINE\n8\nSTRINGS"), strings);
    }
};

QTEST_APPLESS_MAIN(TestFretTemplate)
#include "tst_fret_template.moc"
