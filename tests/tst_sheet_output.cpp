// SPDX-License-Identifier: GPL-3.0-or-later
// A result sheet leaving the screen: saved as a PDF and read back with poppler, failures that
// leave no file behind, its table on the clipboard, and the toolkit's menus in French.
#include "result_sheet.h"
#include "sheet_output.h"
#include "sheet_test.h"

#include <QClipboard>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <csignal>
#include <memory>
#include <optional>
#include <sys/resource.h>

using namespace window_test;
using namespace sheet_test;

namespace
{

// The standard output of a program that must succeed.
QString programOutput(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool holdsWord(const QString &text, const QString &word)
{
    return text.contains(
        QRegularExpression("(^|\\s)" + QRegularExpression::escape(word) + "(\\s|$)"));
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

// The entries of the context menu that a right-click at a point of the widget opens; a menu
// either runs its own loop until it closes, or is popped up and left open.
QStringList contextMenu(QWidget *widget, QPoint at = QPoint(4, 4))
{
    auto entries = std::make_shared<std::optional<QStringList>>();
    const auto read = [entries] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || entries->has_value())
            return;
        entries->emplace();
        for (QAction *action : menu->actions())
            (*entries)->append(
                action->isSeparator() ? "-" : action->text().remove('&').section('\t', 0, 0));
        menu->close();
    };
    QTimer::singleShot(0, read);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    read();
    return entries->value_or(QStringList());
}

// A box's own editing entries, in French and in no English.
void checkFrenchEditingEntries(const QStringList &menu)
{
    QVERIFY2(menu.contains("Copier") && menu.contains("Coller"), qPrintable(menu.join(", ")));
    for (const char *english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"})
        QVERIFY2(!menu.contains(english), qPrintable(menu.join(", ")));
}

const QStringList sheetCommands = {"Imprimer…", "Enregistrer en PDF…", "Copier le tableau",
                                   "Gabarit 1:1…", "Détails de l'accord…"};

} // namespace

class TestSheetOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void savesEverySheetAsPdf_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("proposed");
        QTest::addColumn<QString>("said"); // on the page besides the cells; empty for nothing
        QTest::newRow("Zarlino Diatonique") << "Zarlino Diatonique"
                                            << "650"
                                            << "Zarlino Diatonique 650.pdf"
                                            << "";
        QTest::newRow("Tempérée Chromatique") << "Tempérée Chromatique"
                                              << "650"
                                              << "Tempérée Chromatique 650.pdf"
                                              << "";
        QTest::newRow("Pythagore Chromatique") << "Pythagore Chromatique"
                                               << "650"
                                               << "Pythagore Chromatique 650.pdf"
                                               << "";
        QTest::newRow("Zarlino Chromatique") << "Zarlino Chromatique"
                                             << "650"
                                             << "Zarlino Chromatique 650.pdf"
                                             << "";
        QTest::newRow("no scale yet") << ""
                                      << "650"
                                      << "Feuille vierge.pdf"
                                      << "";
        QTest::newRow("647,7, read in part") << "Zarlino Diatonique"
                                             << "647,7"
                                             << "Zarlino Diatonique 647.pdf"
                                             << "« ,7 » est ignoré";
    }
    void savesEverySheetAsPdf()
    {
        QFETCH(QString, scale);
        QFETCH(QString, typed);
        QFETCH(QString, proposed);
        QFETCH(QString, said);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        Base window;
        typeLength(window, typed);
        if (!scale.isEmpty())
            pickScale(window, scale);
        QString asked;
        QStringList warnings;
        SheetTexts texts;
        whileModalOpen(window, "Command4", [&](QWidget *modal) {
            auto *sheet = qobject_cast<ResultSheet *>(modal);
            activate(sheet);
            saveTo(sheet, pdf, &warnings, &asked);
            // A note typed on the sheet goes onto the page too.
            auto *cell = sheet->findChildren<QLineEdit *>(QRegularExpression("^Tex1\\(")).first();
            cell->selectAll();
            QTest::keyClicks(cell, "Sillet");
            texts = textsOf(*sheet);
            // Neither the selection nor the cursor goes onto the page, and both stay.
            cell->selectAll();
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            QTest::keyClick(cell, Qt::Key_S, Qt::ControlModifier);
            QCOMPARE(QApplication::focusWidget(), focused);
            QCOMPARE(cell->selectedText(), "Sillet");
        });
        QCOMPARE(warnings, QStringList());
        QCOMPARE(QFileInfo(asked).fileName(), proposed);
        QCOMPARE(filesIn(folder.path()), QStringList{"sheet.pdf"});

        QVERIFY(programOutput("pdfinfo", {pdf}).contains(QRegularExpression("\nPages: +1\n")));
        // Every font is embedded: the last columns of pdffonts read emb, sub, uni, object.
        const QStringList fonts = programOutput("pdffonts", {pdf}).split('\n').mid(2);
        int embedded = 0;
        for (const QString &font : fonts) {
            const QRegularExpressionMatch match =
                QRegularExpression("\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$")
                    .match(font);
            if (!match.hasMatch())
                continue;
            QVERIFY2(match.captured(1) == "yes", qPrintable(font));
            ++embedded;
        }
        QVERIFY(embedded > 0);
        const QString text = programOutput("pdftotext", {"-layout", pdf, "-"});
        QVERIFY2(text.contains(texts.scaleName), qPrintable(text));
        QVERIFY2(holdsWord(text, texts.length), qPrintable(text));
        QVERIFY2(!text.contains(typed) || typed == texts.length, qPrintable(text));
        QVERIFY2(text.simplified().contains(said), qPrintable(text));
        QVERIFY(holdsWord(text, "Sillet"));
        programOutput("pdftoppm",
                      {"-r", "50", "-png", "-singlefile", pdf, folder.filePath("page")});
        const QImage page(folder.filePath("page.png"));
        const QColor highlight = QApplication::palette().color(QPalette::Highlight);
        int highlighted = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x)
                highlighted += page.pixelColor(x, y) == highlight;
        }
        QCOMPARE(highlighted, 0);
        for (const auto &[position, note] : texts.cells) {
            QVERIFY2(position.isEmpty() || holdsWord(text, position), qPrintable(position));
            QVERIFY2(note.isEmpty() || holdsWord(text, withoutTrailingBlanks(note)),
                     qPrintable(note));
        }
    }

    void onlyTheSheetReachesThePage()
    {
        // A dialog the sheet opened, such as the print dialog just accepted, stays its child.
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Diatonique");
        QStringList warnings;
        whileModalOpen(window, "Command4", [&](QWidget *modal) {
            auto *sheet = qobject_cast<ResultSheet *>(modal);
            activate(sheet);
            saveTo(sheet, pdf, &warnings);
            auto *dialog = new QDialog(sheet);
            new QLabel("Boîte de dialogue", dialog);
            dialog->move(20, 20); // within the sheet's width and height, wherever the sheet is
            dialog->show();
            dialog->hide();
            activate(sheet);
            QTest::keyClick(sheet->focusWidget(), Qt::Key_S, Qt::ControlModifier);
        });
        QCOMPARE(warnings, QStringList());
        const QString text = programOutput("pdftotext", {pdf, "-"});
        QVERIFY(text.contains("Zarlino Diatonique"));
        QVERIFY2(!text.contains("Boîte de dialogue"), qPrintable(text));
    }

    void aPrinterGetsTextsNotAPicture()
    {
        // A printer painted with the sheet's widgets straight would get one large bitmap.
        QTemporaryDir folder;
        const QString pdf = folder.filePath("printed.pdf");
        Base window;
        typeLength(window, "650");
        pickScale(window, "Pythagore Chromatique");
        whileModalOpen(window, "Command4", [&](QWidget *sheet) {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            QVERIFY(sheet_output::paintSheet(*sheet, printer).ok());
        });
        QVERIFY(programOutput("pdftotext", {pdf, "-"}).contains("Pythagore Chromatique"));
        const QStringList images =
            programOutput("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(images.size(), 2); // the two lines of the heading, no image
    }

    void failedSavesLeaveNothingBehind_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("before"); // "folder" or "old file" at the target, or none
        QTest::addColumn<bool>("diskFull");  // writes stop after a few kilobytes
        QTest::addColumn<QString>("reason"); // empty when the save succeeds
        QTest::newRow("a folder that does not exist") << "missing/sheet.pdf"
                                                      << "" << false << "n'existe pas";
        QTest::newRow("a name that is an existing folder") << "sheet.pdf"
                                                           << "folder" << false << "dossier";
        QTest::newRow("an existing PDF replaced") << "sheet.pdf"
                                                  << "old file" << false << "";
        QTest::newRow("an existing PDF kept when the disk fills") << "sheet.pdf"
                                                                  << "old file" << true << "disque";
    }
    void failedSavesLeaveNothingBehind()
    {
        QFETCH(QString, target);
        QFETCH(QString, before);
        QFETCH(bool, diskFull);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(target);
        const QByteArray old = "%PDF-1.4 the old file\n";
        if (before == "folder")
            QVERIFY(QDir(folder.path()).mkdir(target));
        if (before == "old file") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
        }
        const QStringList files = filesIn(folder.path());

        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        QStringList warnings;
        bool stillOpen = false;
        whileModalOpen(window, "Command4", [&](QWidget *modal) {
            activate(modal);
            saveTo(modal, path, &warnings);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit normal = limit;
            if (diskFull) {
                std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
                limit.rlim_cur = 4096;
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            QTest::keyClick(modal->focusWidget(), Qt::Key_S, Qt::ControlModifier);
            setrlimit(RLIMIT_FSIZE, &normal);
            stillOpen = modal->isVisible();
        });
        QVERIFY(stillOpen);
        QCOMPARE(filesIn(folder.path()), files); // no temporary file stays
        if (reason.isEmpty()) {
            QCOMPARE(warnings, QStringList());
            QFile saved(path);
            QVERIFY(saved.open(QIODevice::ReadOnly));
            QVERIFY(saved.readAll().startsWith("%PDF-"));
            QVERIFY(programOutput("pdfinfo", {path}).contains(QRegularExpression("\nPages: +1\n")));
            return;
        }
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings[0].contains(QDir::toNativeSeparators(path)), qPrintable(warnings[0]));
        QVERIFY2(warnings[0].contains(reason), qPrintable(warnings[0]));
        if (before == "folder")
            QVERIFY(QFileInfo(path).isDir());
        if (before == "old file") {
            QFile kept(path);
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), old);
        }
    }

    void theToolkitSpeaksFrench()
    {
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        checkFrenchEditingEntries(contextMenu(control<QLineEdit>(window, "Longvib")));
        if (QTest::currentTestFailed())
            return;

        pickScale(window, "Tempérée Chromatique");
        QStringList cellMenu, sheetMenu;
        whileModalOpen(window, "Command4", [&](QWidget *sheet) {
            cellMenu = contextMenu(sheet->findChild<QLineEdit *>("Tex1(3)"));
            sheetMenu = contextMenu(sheet, QPoint(sheet->width() / 2, sheet->height() - 4));
        });
        // The cell's own entries, in French, then the sheet's commands below a separator.
        checkFrenchEditingEntries(cellMenu);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(cellMenu.mid(cellMenu.size() - 6), QStringList{"-"} + sheetCommands);
        QCOMPARE(sheetMenu, sheetCommands);
    }

    void templateOfTheTableAsComputed()
    {
        // The mode and the length of the table as it stands: it followed the length typed.
        QTemporaryDir folder;
        const QString svg = folder.filePath("gabarit.svg");
        Base window;
        typeLength(window, "650");
        pickScale(window, "Pythagore Diatonique");
        control<QScrollBar>(window, "HScroll1")->setValue(2);
        typeLength(window, "700");
        const QString first = position(window, 0)->text();
        QStringList warnings;
        QString proposed, width;
        whileModalOpen(window, "Command4", [&](QWidget *sheet) {
            activate(sheet);
            saveTo(sheet, svg, &warnings, &proposed);
            QTimer::singleShot(0, [&] {
                QWidget *dialog = QApplication::activeModalWidget();
                QCOMPARE(dialog->objectName(), "Gabarit");
                dialog->findChild<QComboBox *>("Unite")->setCurrentIndex(1); // cm
                width = dialog->findChild<QLineEdit *>("Largeur")->text();
                dialog->findChild<QPushButton *>("ExporterSvg")->click();
                dialog->close();
            });
            QTest::keyClick(sheet, Qt::Key_G, Qt::ControlModifier);
        });
        QCOMPARE(warnings, QStringList());
        QCOMPARE(QFileInfo(proposed).fileName(),
                 "Gabarit Pythagore Diatonique, mode de Mi " + shown("700") + ".svg");
        QCOMPARE(width, "6");
        QFile file(svg);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray contents = file.readAll();
        QString point = first;
        point.replace(QLocale::system().decimalPoint(), ".");
        QVERIFY2(contents.contains("<line id=\"fret-1\" x1=\"" + point.toUtf8() + "\""),
                 qPrintable(first));
        QVERIFY(contents.contains("mode de Mi, longueur " + shown("700").toUtf8() + " cm"));
    }
};

QTEST_MAIN(TestSheetOutput)
#include "tst_sheet_output.moc"
