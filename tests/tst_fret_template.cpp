// SPDX-License-Identifier: GPL-3.0-or-later
// The template's geometry, free of the toolkit: what it refuses, and where its texts stand.
#include "fret_template.h"
#include "systems.h"

#include <QTest>

using namespace dorvane;

namespace
{

Currency mm(const char *text)
{
    return Currency::fromScaled(std::llround(std::atof(text) * 10000));
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
};

QTEST_APPLESS_MAIN(TestFretTemplate)
#include "tst_fret_template.moc"
