// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Accord" from every result sheet: one row a fret, exact intervals, and a copy that
// a spreadsheet or a word processor reads back as a table.
#include "sheet_test.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using namespace window_test;
using namespace sheet_test;

namespace
{

// A Scala file of the test's own.
QString scalaFile(const QTemporaryDir &folder, const char *name, const QByteArray &text)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("no file");
    return file.fileName();
}

const QByteArray meantone = "! meantone.scl\r\n!\r\nQuarter-comma meantone\r\n 3\r\n!\r\n"
                            " 193.15686 R\xe9\r\n 696.57843 Sol\r\n 2/1 Do\r\n";

struct Seen {
    int rows = -1;
    QString title;
    QStringList firstRow;
    QStringList said;
};

// What the tuning window opened by an action on the main window shows, once `inWindow` has run
// in it; the main window's dialogs give `file` and 31 divisions, and note what they say.
Seen tuningOpenedBy(Base &window, const QString &file, const std::function<void()> &action,
                    const std::function<void(QWidget *)> &inWindow = {})
{
    Seen seen;
    window.setDialogs(
        {{},
         [&](QWidget *, const QString &, const QString &message) { seen.said << message; },
         {},
         [&](QWidget *, const QString &, const QString &, const QString &) { return file; },
         [](QWidget *, const QString &, const QString &, int, int, int) { return 31; }});
    // A timer of this call's own: when no window opens, it goes with the call.
    QTimer look;
    look.setSingleShot(true);
    QObject::connect(&look, &QTimer::timeout, [&] {
        QWidget *tuning = QApplication::activeModalWidget();
        if (!tuning || tuning->objectName() != "Accord")
            return; // none opened
        if (inWindow)
            inWindow(tuning);
        auto *model = tuning->findChild<QTableView *>("Tableau")->model();
        seen.rows = model->rowCount();
        seen.title = tuning->findChild<QLabel *>("Titre")->text();
        for (int column = 0; column < model->columnCount(); ++column)
            seen.firstRow << model->index(0, column).data().toString();
        tuning->close();
    });
    look.start(0);
    action();
    return seen;
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
        QTest::newRow("Zarlino Diatonique, 14 rows")
            << "Zarlino Diatonique" << 14
            << QStringList{"1", "Ré", "9/8", "203,91", "+3,91 (Ré)", "72,2222", "72,2222"};
        QTest::newRow("Tempérée Chromatique, 24 rows")
            << "Tempérée Chromatique" << 24
            << QStringList{"1", "Do #", "2^(1/12)", "100,00", "+0,00 (Do #)", "36,4817", "36,4817"};
        QTest::newRow("Pythagore Chromatique, 34 rows")
            << "Pythagore Chromatique" << 34
            << QStringList{"1", "Ré b", "256/243", "90,22", "-9,78 (Do #)", "33,0078", "33,0078"};
        QTest::newRow("Zarlino Chromatique, 42 rows")
            << "Zarlino Chromatique" << 42
            << QStringList{"1", "Do #", "25/24", "70,67", "-29,33 (Do #)", "26", "26"};
    }
    void fromEverySheet()
    {
        QFETCH(QString, scale);
        QFETCH(int, frets);
        QFETCH(QStringList, first);
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
