// SPDX-License-Identifier: GPL-3.0-or-later
// The tuning window's commands however it was opened: its table on paper, read back from the
// PDF; its length read as the main window reads one before a template is made; a scale of any
// tuning opened in a sheet's window; a file remembered, and the names proposed for its files.
#include "length_hint.h"
#include "sheet_test.h"
#include "tuning_test.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QXmlStreamReader>

using namespace window_test;
using namespace sheet_test;
using namespace tuning_test;

namespace
{

// What a PDF's text says of its pages, as mutool reads it: their count, and on each the
// smallest type, the left and right ends of the text, and the text.
struct PdfText {
    struct Page {
        double smallest = 1e9, left = 1e9, right = 0;
        QString text;
    };
    QList<Page> pages;
};

PdfText readPdf(const QString &file)
{
    QProcess mutool;
    mutool.start("mutool", {"draw", "-F", "stext", "-o", "-", file});
    mutool.waitForFinished();
    QXmlStreamReader xml(mutool.readAllStandardOutput());
    PdfText read;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attribute = [&](const char *name) {
            return xml.attributes().value(QLatin1String(name));
        };
        if (xml.name() == QLatin1String("page"))
            read.pages.append(PdfText::Page());
        else if (xml.name() == QLatin1String("font"))
            read.pages.last().smallest =
                std::min(read.pages.last().smallest, attribute("size").toDouble());
        else if (xml.name() == QLatin1String("char")) {
            const QStringList quad = attribute("quad").toString().split(' ');
            PdfText::Page &page = read.pages.last();
            page.left = std::min(page.left, quad[0].toDouble());
            page.right = std::max(page.right, quad[2].toDouble());
            page.text += attribute("c").toString();
        }
    }
    return read;
}

// Runs `inWindow` in the tuning window that Ctrl+D opens on the sheet of `scale` at 650.
void inSheetsTuningWindow(Base &window, const QString &scale,
                          const std::function<void(QWidget *)> &inWindow)
{
    typeLength(window, "650");
    pickScale(window, scale);
    whileModalOpen(window, "Command4", [&](QWidget *sheet) {
        activate(sheet);
        whenTuningWindowOpens(inWindow);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_D, Qt::ControlModifier);
    });
}

QAction *actionOf(QWidget *window, Qt::Key key)
{
    for (QAction *action : window->actions()) {
        if (action->shortcut() == QKeySequence(Qt::CTRL | key))
            return action;
    }
    qFatal("no action");
}

} // namespace

class TestTuningCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void onPaperLikeASheet_data()
    {
        QTest::addColumn<QString>("scale"); // a list entry, or "1000" divisions
        QTest::addColumn<int>("pages");
        QTest::newRow("Zarlino Chromatique at 650, 42 rows") << "Zarlino Chromatique" << 1;
        QTest::newRow("1000 divisions, 500 frets") << "1000" << 0; // as many as needed
    }
    void onPaperLikeASheet()
    {
        QFETCH(QString, scale);
        QFETCH(int, pages);
        QTemporaryDir folder;
        Base window;
        int rows = 0;
        const auto save = [&](QWidget *tuning) {
            rows = tuning->findChild<QTableView *>("Tableau")->model()->rowCount();
            tuning->findChild<QPushButton *>("EnregistrerPdf")->click();
        };
        if (scale == "1000") {
            typeLength(window, "650");
            window.setDialogs({[&](QWidget *, const QString &) { return folder.filePath("t.pdf"); },
                               {},
                               {},
                               {},
                               [](auto...) { return 1000; }});
            QTimer::singleShot(0, [&] {
                QWidget *tuning = QApplication::activeModalWidget();
                tuning->findChild<QSpinBox *>("Frettes")->setValue(500);
                save(tuning);
                tuning->close();
            });
            QMetaObject::invokeMethod(&window, "DiviserOctave_Click");
        } else {
            window.setDialogs({[&](QWidget *, const QString &) { return folder.filePath("t.pdf"); },
                               {},
                               {},
                               {},
                               {}});
            inSheetsTuningWindow(window, scale, save);
        }
        const PdfText read = readPdf(folder.filePath("t.pdf"));
        QVERIFY(!read.pages.isEmpty());
        // On A4, 595 points wide, within margins of 15 mm (42.5 points): the table fills the
        // width between them, in type of 8 points at least; every page has the headers.
        for (const PdfText::Page &page : read.pages) {
            QVERIFY2(page.smallest >= 8, qPrintable(QString::number(page.smallest)));
            QVERIFY2(page.left >= 42 && page.right <= 553 && page.right - page.left > 480,
                     qPrintable(QStringLiteral("%1 to %2").arg(page.left).arg(page.right)));
            QVERIFY(page.text.contains("FretteNote") || page.text.contains("Frette"));
            QVERIFY(page.text.contains("Position"));
        }
        if (pages > 0)
            QCOMPARE(read.pages.size(), pages);
        else
            QVERIFY2(read.pages.size() > 5 && read.pages.last().text.contains("500"),
                     qPrintable(QString::number(read.pages.size())));
        QCOMPARE(rows, scale == "1000" ? 500 : 42);
    }

    // "65O" (a letter O) is read as the main window reads it: 65, said beside the box, and no
    // template is made of it until the length read is confirmed.
    void aLengthReadInPartStopsTheTemplate()
    {
        QTemporaryDir folder;
        const QString file = scalaFile(folder, "meantone.scl", meantone);
        Base window;
        QString box, problem;
        bool confirm = false, commands = true;
        tuningOpenedBy(
            window, file, [&] { window.openScalaFile(file); },
            [&](QWidget *tuning) {
                auto *length = tuning->findChild<QLineEdit *>("LongueurVibrante");
                length->selectAll();
                QTest::keyClicks(length, "65O");
                box = length->toolTip();
                QTimer::singleShot(0, [&] {
                    QWidget *dialog = QApplication::activeModalWidget();
                    problem = dialog->findChild<QLabel *>("Probleme")->text();
                    confirm = dialog->findChild<QPushButton *>("ConfirmerLongueur")->isVisible();
                    commands = dialog->findChild<QPushButton *>("ExporterSvg")->isEnabled();
                    dialog->close();
                });
                tuning->findChild<QPushButton *>("Gabarit")->click();
            });
        // The main window's own words for the same text.
        const QString said = LengthHint::explanation("65O", dorvane::LengthFromText("65O"));
        QCOMPARE(said, "Lu : 65 — « O » est ignoré");
        QCOMPARE(box, said);
        QVERIFY2(problem.startsWith(said) && problem.contains("dans la fenêtre « Accord »"),
                 qPrintable(problem));
        QVERIFY(confirm);
        QVERIFY(!commands);
    }

    // A sheet's tuning window takes a scale of any tuning as every tuning window does.
    void aSheetsWindowOpensScalesToo_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ctrl+O") << "Ctrl+O";
        QTest::newRow("a Scala file dropped") << "drop";
        QTest::newRow("its context menu") << "menu";
        QTest::newRow("Ctrl+E") << "Ctrl+E";
    }
    void aSheetsWindowOpensScalesToo()
    {
        QFETCH(QString, how);
        QTemporaryDir folder;
        const QString file = scalaFile(folder, "meantone.scl", meantone);
        Base window;
        window.setDialogs(
            {{},
             {},
             {},
             [&](QWidget *, const QString &, const QString &, const QString &) { return file; },
             [](auto...) { return 31; }});
        QString title, length;
        bool fields = false, gabarit = false, filled = false;
        bool before = true; // a sheet's table: no fields, no template of the window's own
        inSheetsTuningWindow(window, "Zarlino Chromatique", [&](QWidget *tuning) {
            before = tuning->findChild<QWidget *>("ChampsGamme")->isVisibleTo(tuning) ||
                     tuning->findChild<QPushButton *>("Gabarit")->isVisibleTo(tuning);
            if (how == "drop") {
                QMimeData data;
                data.setUrls({QUrl::fromLocalFile(file)});
                QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                                      Qt::NoModifier);
                QApplication::sendEvent(tuning, &enter);
                QVERIFY(enter.isAccepted());
                QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                                Qt::NoModifier);
                QApplication::sendEvent(tuning, &drop);
            } else if (how == "menu") {
                QTimer::singleShot(0, [] {
                    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                    QAction *open = menu->actions().first();
                    menu->close();
                    open->trigger();
                });
                QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(50, 50),
                                       tuning->mapToGlobal(QPoint(50, 50)));
                QApplication::sendEvent(tuning, &menu);
            } else {
                actionOf(tuning, how == "Ctrl+O" ? Qt::Key_O : Qt::Key_E)->trigger();
            }
            title = tuning->findChild<QLabel *>("Titre")->text();
            length = tuning->findChild<QLineEdit *>("LongueurVibrante")->text();
            fields = tuning->findChild<QSpinBox *>("Frettes")->isVisibleTo(tuning);
            gabarit = tuning->findChild<QPushButton *>("Gabarit")->isVisibleTo(tuning);
            // The columns fill the table still, for the rows of another scale and another count.
            tuning->findChild<QSpinBox *>("Frettes")->setValue(7);
            auto *table = tuning->findChild<QTableView *>("Tableau");
            filled = table->horizontalHeader()->length() >=
                     table->viewport()->width() - table->model()->columnCount();
        });
        QCOMPARE(title,
                 how == "Ctrl+E" ? "31 divisions égales de l'octave" : "Quarter-comma meantone");
        QCOMPARE(length, "650"); // the sheet's
        QVERIFY(!before);
        QVERIFY(fields);
        QVERIFY(gabarit);
        QVERIFY(filled);
    }

    // The file shown last comes back with its length and its frets, and the main window's
    // context menu lists it among the recent scales; a file's Scala export proposes its name.
    void aScalaFileIsRemembered()
    {
        QTemporaryDir folder;
        const QString file = scalaFile(folder, "meantone.scl", meantone);
        {
            Base window;
            tuningOpenedBy(
                window, file, [&] { window.openScalaFile(file); },
                [](QWidget *tuning) {
                    auto *length = tuning->findChild<QLineEdit *>("LongueurVibrante");
                    length->selectAll();
                    QTest::keyClicks(length, "628,5");
                    tuning->findChild<QSpinBox *>("Frettes")->setValue(30);
                });
        }
        Base window;
        QString length, proposed;
        int frets = 0;
        const Seen seen = tuningOpenedBy(
            window, file, [&] { window.openScalaFile(file); },
            [&](QWidget *tuning) {
                length = tuning->findChild<QLineEdit *>("LongueurVibrante")->text();
                frets = tuning->findChild<QSpinBox *>("Frettes")->value();
                window.setDialogs({[&](QWidget *, const QString &path) -> std::optional<QString> {
                                       proposed = QFileInfo(path).fileName();
                                       return std::nullopt; // cancelled
                                   },
                                   {},
                                   {},
                                   {},
                                   {}});
                tuning->findChild<QPushButton *>("ExporterScala")->click();
            });
        QCOMPARE(length, "628,5");
        QCOMPARE(frets, 30);
        QCOMPARE(seen.rows, 30);
        QCOMPARE(proposed, "meantone.scl");
        QStringList recent;
        QTimer::singleShot(0, [&] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (QAction *file : menu->findChild<QMenu *>("GammesRecentes")->actions())
                recent << file->text();
            menu->close();
        });
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(10, 300),
                               window.mapToGlobal(QPoint(10, 300)));
        QApplication::sendEvent(&window, &menu);
        QCOMPARE(recent, QStringList{"meantone.scl"});
    }
};

QTEST_MAIN(TestTuningCommands)
#include "tst_tuning_commands.moc"
