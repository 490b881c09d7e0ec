// SPDX-License-Identifier: GPL-3.0-or-later
// The window "Accord" from every result sheet: one row a fret, exact intervals, and a copy that
// a spreadsheet or a word processor reads back as a table.
#include "sheet_test.h"

#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using namespace window_test;
using namespace sheet_test;

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
            QTest::keyClick(sheet, Qt::Key_D, Qt::ControlModifier);
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
};

QTEST_MAIN(TestTuningWindow)
#include "tst_tuning_window.moc"
