// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Accord" from every result sheet: one row a fret, exact intervals, and a copy that
// a spreadsheet or a word processor reads back as a table.
#include "deviation.h"
#include "scala_scale.h"
#include "sheet_test.h"
#include "tuning_test.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QXmlStreamReader>

using namespace window_test;
using namespace sheet_test;
using namespace tuning_test;

namespace
{

// The pitches of a Scala file in cents, as the tests' own reader reads them: it refuses what the
// format does not allow, a decimal comma among others.
QList<double> readByTheTests(const QString &file)
{
    QProcess reader;
    reader.start(QStringLiteral(PYTHON), {QStringLiteral(SCALA_READER), "--read", file});
    if (!reader.waitForFinished() || reader.exitCode() != 0)
        return {};
    QList<double> cents;
    for (const QByteArray &line : reader.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            cents << line.toDouble();
    }
    return cents;
}

// The cents of the first period that a tuning window shows, ascending.
QList<double> firstPeriodShown(QWidget *tuning)
{
    QList<double> shown;
    const auto *model = tuning->findChild<QTableView *>("Tableau")->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        const double cents = model->index(row, 3).data().toString().replace(',', '.').toDouble();
        if (cents > 0 && cents <= 1200 && !shown.contains(cents))
            shown << cents;
    }
    std::sort(shown.begin(), shown.end());
    return shown;
}

} // namespace

class TestTuningWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void fromEverySheet_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("frets");
        QTest::addColumn<QStringList>("first"); // the first fret's row, with a decimal comma
        QTest::addColumn<int>("string");        // the degree of the open string
        QTest::newRow("Zarlino Diatonique, 14 rows")
            << "Zarlino Diatonique" << 14
            << QStringList{"1", "Ré", "9/8", "203,91", "+3,91 (Ré)", "72,2222", "72,2222"} << 0;
        QTest::newRow("Tempérée Chromatique, 24 rows")
            << "Tempérée Chromatique" << 24
            << QStringList{"1", "Do #", "2^(1/12)", "100,00", "+0,00 (Do #)", "36,4817", "36,4817"}
            << 0;
        QTest::newRow("Pythagore Chromatique, 34 rows")
            << "Pythagore Chromatique" << 34
            << QStringList{"1", "Ré b", "256/243", "90,22", "-9,78 (Ré b)", "33,0078", "33,0078"}
            << 0;
        QTest::newRow("Zarlino Chromatique, 42 rows")
            << "Zarlino Chromatique" << 42
            << QStringList{"1", "Do #", "25/24", "70,67", "-29,33 (Do #)", "26", "26"} << 0;
        // A string on another degree: 5/4 up to 4/3 is 16/15; 9/8 up to 5/4 is 10/9.
        QTest::newRow("Zarlino Chromatique simplifiée, a string on Mi")
            << "Zarlino Chromatique simplifiée" << 24
            << QStringList{"1", "Fa", "16/15", "111,73", "+11,73 (Fa)", "40,625", "40,625"} << 4;
        QTest::newRow("Zarlino Diatonique, a string on Ré")
            << "Zarlino Diatonique" << 14
            << QStringList{"1", "Mi", "10/9", "182,40", "-17,60 (Mi)", "65", "65"} << 1;
    }
    void fromEverySheet()
    {
        QFETCH(QString, scale);
        QFETCH(int, frets);
        QFETCH(QStringList, first);
        QFETCH(int, string);
        Base window;
        typeLength(window, "650");
        pickScale(window, scale);
        int rows = 0;
        QString title;
        QMimeData copied;
        whileModalOpen(window, "Command4", [&](QWidget *sheet) {
            activate(sheet);
            QTimer::singleShot(0, [&] {
                auto *tuning = QApplication::activeModalWidget();
                if (!tuning || tuning->objectName() != "Accord")
                    qFatal("no tuning window");
                title = tuning->windowTitle();
                tuning->findChild<QComboBox *>("Corde")->setCurrentIndex(string);
                rows = tuning->findChild<QTableView *>("Tableau")->model()->rowCount();
                tuning->findChild<QPushButton *>("Copier")->click();
                const QMimeData *data = QGuiApplication::clipboard()->mimeData();
                copied.setHtml(data->html());
                copied.setText(data->text());
                tuning->close();
            });
            // Pressed where the keyboard is, a text box: it must not take the keys for itself.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
        });
        QCOMPARE(title, "Accord");
        QCOMPARE(rows, frets);
        // The copy, read back: the title, then a table with a header and a row a fret.
        QTextDocument document;
        document.setHtml(copied.html());
        QTextTable *table = nullptr;
        for (QTextFrame *frame : document.rootFrame()->childFrames()) {
            if ((table = qobject_cast<QTextTable *>(frame)))
                break;
        }
        QVERIFY(table);
        QCOMPARE(table->rows(), frets + 1);
        QCOMPARE(table->columns(), 7);
        QStringList firstRow;
        for (int column = 0; column < 7; ++column)
            firstRow << table->cellAt(1, column).firstCursorPosition().block().text();
        for (QString &cell : first)
            cell = shown(cell);
        QCOMPARE(firstRow, first);
        QCOMPARE(copied.text().split('\n')[3].split('\t'), first);
    }

    // Exported on a French desktop too, where the C library writes "100,00000" unless told.
    void everyScalaFileReadsBack_data()
    {
        QTest::addColumn<QString>("scale"); // a list entry, or "31" for Ctrl+E
        for (const dorvane::ScaleSystem &system : dorvane::scales::Systems) {
            const QString name = QString::fromUtf8(system.name);
            QTest::newRow(qPrintable(name + ", from its sheet")) << name;
        }
        QTest::newRow("31 equal divisions, from Ctrl+E") << "31";
    }
    void everyScalaFileReadsBack()
    {
        QFETCH(QString, scale);
        QTemporaryDir folder;
        const QString file = folder.filePath("exported.scl");
        Base window;
        typeLength(window, "650");
        QStringList said;
        window.setDialogs(
            {[&](QWidget *, const QString &) { return file; },
             [&](QWidget *, const QString &, const QString &message) { said << message; },
             {},
             {},
             [](QWidget *, const QString &, const QString &, int, int, int) { return 31; }});
        QList<double> shown; // the cents of the window's first period, ascending
        const auto exportFrom = [&](QWidget *tuning) {
            shown = firstPeriodShown(tuning);
            tuning->findChild<QPushButton *>("ExporterScala")->click();
        };
        if (scale == "31") {
            whenTuningWindowOpens(exportFrom);
            QMetaObject::invokeMethod(&window, "DiviserOctave_Click");
        } else {
            pickScale(window, scale);
            whileModalOpen(window, "Command4", [&](QWidget *sheet) {
                activate(sheet);
                whenTuningWindowOpens(exportFrom);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
            });
        }
        QCOMPARE(said, QStringList());
        QFile exported(file);
        QVERIFY(exported.open(QIODevice::ReadOnly));
        const QByteArray bytes = exported.readAll();
        const auto read = dorvane::ReadScala(std::string_view(bytes.constData(), bytes.size()));
        QVERIFY2(read.ok(), bytes.constData());
        QList<double> byTheProgram;
        for (const dorvane::ScalaDegree &degree : read->degrees)
            byTheProgram << CentsOf(degree.pitch);
        const QList<double> byTheTests = readByTheTests(file);
        QCOMPARE(byTheTests.size(), shown.size());
        QCOMPARE(byTheProgram.size(), shown.size());
        for (qsizetype k = 0; k < shown.size(); ++k) {
            QVERIFY2(std::abs(byTheTests[k] - shown[k]) <= 0.0051, qPrintable(QString::number(k)));
            QVERIFY2(std::abs(byTheProgram[k] - byTheTests[k]) < 1e-5,
                     qPrintable(QString::number(k)));
        }
    }

    void scalesOfAnyTuning_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("first"); // the first fret's row, joined by "|"
        QTest::newRow("Ctrl+O on a Scala file")
            << "Ctrl+O" << 6 << "Quarter-comma meantone"
            << "1|Ré|193,157 c|193,16|-6,84 (Ré)|68,6223|68,6223";
        QTest::newRow("a Scala file dropped") << "drop" << 6 << "Quarter-comma meantone"
                                              << "1|Ré|193,157 c|193,16|-6,84 (Ré)|68,6223|68,6223";
        QTest::newRow("Ctrl+E, 31 divisions")
            << "Ctrl+E" << 62 << "31 divisions égales de l'octave"
            << "1|1\\31|2^(1/31)|38,71|+38,71 (Do)|14,3725|14,3725";
    }
    void scalesOfAnyTuning()
    {
        QFETCH(QString, how);
        QFETCH(int, rows);
        QFETCH(QString, title);
        QFETCH(QString, first);
        QTemporaryDir folder;
        const QString file = scalaFile(folder, "meantone.scl", meantone);
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        typeLength(window, "650");
        const Seen seen = tuningOpenedBy(window, file, [&] {
            if (how == "drop") {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(file)});
                QDragEnterEvent enter(QPoint(200, 300), Qt::CopyAction, &data, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(&window, &enter);
                QVERIFY(enter.isAccepted());
                QDropEvent drop(QPointF(200, 300), Qt::CopyAction, &data, Qt::LeftButton,
                                Qt::NoModifier);
                QApplication::sendEvent(&window, &drop);
            } else {
                // In the length box, just typed in: it must not take the keys for itself.
                QTest::keyClick(window.findChild<QLineEdit *>("Longvib"),
                                how == "Ctrl+O" ? Qt::Key_O : Qt::Key_E, Qt::ControlModifier);
            }
        });
        QCOMPARE(seen.said, QStringList());
        QCOMPARE(seen.rows, rows);
        QCOMPARE(seen.title, title);
        QCOMPARE(seen.firstRow.join('|'), shown(first));
    }

    // Every byte from 1 to 31 and 127 in the description and the names: the window shows them
    // as "\uFFFD", and its template's files stay valid.
    void aFilesControlCharactersBreakNoFile()
    {
        QByteArray controls;
        for (char c = 1; c < 32; ++c)
            controls += c == '\n' ? ' ' : c;
        controls += '\x7f';
        QTemporaryDir folder;
        const QString file =
            scalaFile(folder, "controls.scl",
                      "D" + controls + "\n 2\n 3/2 Sol" + controls + "\n 2/1 Do\x1b[31m\n");
        Base window;
        typeLength(window, "650");
        const Seen seen = tuningOpenedBy(
            window, file, [&] { window.openScalaFile(file); },
            [&](QWidget *tuning) {
                QTimer::singleShot(0, [] {
                    QWidget *dialog = QApplication::activeModalWidget();
                    if (!dialog || dialog->objectName() != "Gabarit")
                        qFatal("no template dialog");
                    for (const char *command : {"ExporterSvg", "ExporterDxf"})
                        dialog->findChild<QPushButton *>(command)->click();
                    dialog->close();
                });
                tuning->findChild<QPushButton *>("Gabarit")->click();
            },
            folder.path());
        QCOMPARE(seen.said, QStringList());
        QFile svg(folder.filePath("saved.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&svg);
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QFile dxf(folder.filePath("saved.dxf"));
        QVERIFY(dxf.open(QIODevice::ReadOnly));
        const QByteArray drawing = dxf.readAll();
        QVERIFY(drawing.endsWith("EOF\n"));
        for (const char c : drawing)
            QVERIFY(c == '\n' || (static_cast<unsigned char>(c) >= ' ' &&
                                  (static_cast<unsigned char>(c) < 0x7f ||
                                   static_cast<unsigned char>(c) > 0x9f)));
        QVERIFY2(seen.title.startsWith("D\uFFFD\uFFFD"), qPrintable(seen.title));
        QCOMPARE(seen.firstRow[1].left(4), "Sol\uFFFD");
    }

    // A board of a Scala file's scale: each string's frets from its own table at its length.
    void aScalesBoardTakesEachStringsTable()
    {
        QTemporaryDir folder;
        const QString file = scalaFile(folder, "meantone.scl", meantone);
        Base window;
        typeLength(window, "650");
        QString copied;
        tuningOpenedBy(
            window, file, [&] { window.openScalaFile(file); },
            [&](QWidget *tuning) {
                QTimer::singleShot(0, [&] {
                    QWidget *dialog = QApplication::activeModalWidget();
                    if (!dialog || dialog->objectName() != "Gabarit")
                        qFatal("no template dialog");
                    dialog->findChild<QSpinBox *>("Cordes")->setValue(3);
                    auto *bass = dialog->findChild<QLineEdit *>("LongueurGrave");
                    QTest::keyClicks(bass, "700");
                    QTest::keyClick(bass, Qt::Key_Return);
                    dialog->findChild<QAction *>("CopierTableau")->trigger();
                    copied = QApplication::clipboard()->text();
                    dialog->close();
                });
                tuning->findChild<QPushButton *>("Gabarit")->click();
            });
        const auto scale = dorvane::ReadScala(meantone.toStdString());
        QVERIFY(scale);
        const QStringList lines = copied.split('\n');
        QVERIFY2(lines.size() > 4, qPrintable(copied));
        const QStringList lengths = lines[1].split('\t');
        QCOMPARE(lengths.size(), 4);
        QStringList expected;
        for (QString length : lengths.mid(1)) {
            const auto read = dorvane::DecimalFromText(length.replace(',', '.').toStdString());
            const auto table = dorvane::TableOf(*scale, read.value);
            expected << shown(
                QString::fromStdString(dorvane::CurrencyText(table.frets[0].position, ",").str()));
        }
        QCOMPARE(lengths.last(), "700");
        QCOMPARE(lines[3].split('\t').mid(1, 3), expected);
    }

    void aBadFileLeavesTheWindowAsItWas()
    {
        QTemporaryDir folder;
        const QString good = scalaFile(folder, "meantone.scl", meantone);
        const QString bad = scalaFile(folder, "bad.scl", "Mauvaise\n 2\n 5/0\n 2/1\n");
        Base window;
        typeLength(window, "650");
        // From the main window, a bad file opens nothing.
        Seen seen = tuningOpenedBy(window, bad, [&] { window.openScalaFile(bad); });
        QCOMPARE(seen.rows, -1);
        QCOMPARE(seen.said.size(), 1);
        QVERIFY2(seen.said[0].contains("ligne 3 : « 5/0 »"), qPrintable(seen.said[0]));
        // A number of divisions refused says why, and opens nothing either.
        QStringList refused;
        window.setDialogs(
            {{},
             [&](QWidget *, const QString &, const QString &message) { refused << message; },
             {},
             {},
             [](QWidget *, const QString &, const QString &, int, int, int) { return 1001; }});
        QMetaObject::invokeMethod(&window, "DiviserOctave_Click");
        QCOMPARE(refused, QStringList{"« 1001 » : le nombre de divisions va de 1 à 1000."});
        // In the window, a bad file opened with Ctrl+O leaves the scale shown.
        QStringList said;
        seen = tuningOpenedBy(
            window, good, [&] { window.openScalaFile(good); },
            [&](QWidget *tuning) {
                window.setDialogs(
                    {{},
                     [&](QWidget *, const QString &, const QString &message) { said << message; },
                     {},
                     [&](QWidget *, const QString &, const QString &, const QString &) {
                         return bad;
                     },
                     {}});
                // The window's Ctrl+O, as its shortcut runs it.
                for (QAction *action : tuning->actions()) {
                    if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_O))
                        action->trigger();
                }
            });
        QCOMPARE(seen.rows, 6);
        QCOMPARE(seen.title, "Quarter-comma meantone");
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].contains("bad.scl"), qPrintable(said[0]));
    }
};

QTEST_MAIN(TestTuningWindow)
#include "tst_tuning_window.moc"
