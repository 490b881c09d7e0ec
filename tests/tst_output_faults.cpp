// SPDX-License-Identifier: GPL-3.0-or-later
// The slips that the output code could make unseen: a save that failed reported as done, a page
// in the wrong orientation or with a text cursor on it, sheet cells named after the wrong fret,
// an HTML copy not escaped, and a printing module that cannot be found or is not looked for
// where it is installed.
#include "failures.h"
#include "file_dialogs.h"
#include "files.h"
#include "printing_module.h"
#include "result_sheet.h"
#include "sheet_output.h"
#include "sheet_test.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QMimeData>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <sys/stat.h>
#include <unistd.h>

using namespace window_test;
using namespace sheet_test;

namespace
{

// A sheet's command run with the save dialog answered by a file name and warnings noted.
void onSheet(const Base &window, const char *command, const QString &fileName,
             QStringList *warnings, const std::function<void(QWidget *)> &before = {})
{
    whileModalOpen(window, "Command4", [&](QWidget *modal) {
        saveTo(modal, fileName, warnings);
        if (before)
            before(modal);
        QMetaObject::invokeMethod(modal, command);
    });
}

// A PDF's first page as poppler draws it, at 50 dpi.
QImage rendered(const QString &pdf)
{
    const QString png = pdf + QStringLiteral(".page");
    QProcess::execute("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, png});
    return QImage(png + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The part of a page that is not white.
QRect inked(const QImage &page)
{
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(page.pixel(x, y)) < 250)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class TestOutputFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void proposedNamesHoldNoForbiddenCharacter_data()
    {
        QTest::addColumn<QString>("length"); // as typed, with a character no file name holds
        for (const char *c : {"/", "\\", ":", "*", "?", "\"", "<", ">", "|"})
            QTest::addRow("650%s2", c) << QString("650") + QLatin1String(c) + "2";
        QTest::newRow("a tab") << "650\t2";
    }
    void proposedNamesHoldNoForbiddenCharacter()
    {
        QFETCH(QString, length);
        const QString name = files::proposedFileName("Gabarit Zarlino", length, "svg");
        QCOMPARE(name, "Gabarit Zarlino 650_2.svg");
        // A name in the folder itself, not in a folder that does not exist.
        QCOMPARE(QFileInfo(QDir("/tmp").filePath(name)).absolutePath(), "/tmp");
    }

    void aFileThatCannotBeWrittenIsReported_data()
    {
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<QString>("reason");
        // In a folder open to all with the sticky bit, only its owner may replace a file.
        QTest::newRow("another's file in a sticky folder")
            << 01777 << 0666 << "le nouveau fichier n'a pas pu remplacer l'ancien";
        QTest::newRow("another's file") << 0777 << 0644
                                        << "vous n'avez pas le droit de remplacer "
                                           "le fichier existant";
        QTest::newRow("a read-only file") << 0777 << 0444
                                          << "le fichier existant est en lecture "
                                             "seule ; il est resté tel quel";
        QTest::newRow("a read-only folder") << 0755 << 0644
                                            << "vous n'avez pas le droit d'écrire "
                                               "dans le dossier";
    }
    void aFileThatCannotBeWrittenIsReported()
    {
        QFETCH(int, folderMode);
        QFETCH(int, fileMode);
        QFETCH(QString, reason);
        if (geteuid() != 0)
            QSKIP("needs root, to save as another user than the old file's owner");
        QTemporaryDir folder;
        const QString target = folder.filePath("sheet.pdf");
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QVERIFY(chmod(QFile::encodeName(target).constData(), mode_t(fileMode)) == 0);
        QVERIFY(chmod(QFile::encodeName(folder.path()).constData(), mode_t(folderMode)) == 0);
        // As nobody, really: the checks of access go by the real user.
        QVERIFY(setresuid(65534, 65534, 0) == 0);
        const dorvane::Done written = files::writeFile(target, "new");
        const QString failure = written ? QString() : output::describe(written.failure());
        QVERIFY(setresuid(0, 0, 0) == 0);
        QVERIFY2(failure.startsWith(reason), qPrintable(failure));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "old");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"sheet.pdf"});
    }

    void theSheetFillsThePageTheRightWayRound_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("42 rows, wide") << "Zarlino Chromatique" << true;
        QTest::newRow("24 rows, tall") << "Tempérée Chromatique" << false;
    }
    void theSheetFillsThePageTheRightWayRound()
    {
        QFETCH(QString, scale);
        QFETCH(bool, landscape);
        QTemporaryDir folder;
        const QString pdf = folder.filePath("sheet.pdf");
        Base window;
        typeLength(window, "650");
        pickScale(window, scale);
        QStringList warnings;
        onSheet(window, "saveAsPdf", pdf, &warnings);
        QCOMPARE(warnings, QStringList());
        const QImage page = rendered(pdf);
        QCOMPARE(page.width() > page.height(), landscape);
        // Within the margins of 10 mm, the sheet spans the whole width or the whole height.
        const QSizeF area = QSizeF(page.size()) - QSizeF(2, 2) * (10 / 25.4 * 50);
        const QRect ink = inked(page);
        const double fill = std::max(ink.width() / area.width(), ink.height() / area.height());
        QVERIFY2(fill > 0.97 && fill < 1.01, qPrintable(QString::number(fill)));
    }

    void noCursorReachesThePage()
    {
        // The same sheet saved with a cell being edited and with no cell focused.
        QApplication::setCursorFlashTime(0); // a cursor always drawn, never blinking off
        QTemporaryDir folder;
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Diatonique");
        QStringList warnings;
        whileModalOpen(window, "Command4", [&](QWidget *modal) {
            activate(modal);
            auto *cell = modal->findChild<QLineEdit *>("Text1(3)");
            cell->setFocus();
            cell->setCursorPosition(2);
            QVERIFY(cell->hasFocus());
            for (const char *name : {"focused.pdf", "plain.pdf"}) {
                saveTo(modal, folder.filePath(name), &warnings);
                QMetaObject::invokeMethod(modal, "saveAsPdf");
                cell->clearFocus();
            }
        });
        QApplication::setCursorFlashTime(1000);
        QCOMPARE(warnings, QStringList());
        QVERIFY(rendered(folder.filePath("focused.pdf")) == rendered(folder.filePath("plain.pdf")));
    }

    void sheetCellsAreNamedByTheirFret_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::newRow("24 rows in four runs") << "Tempérée Chromatique";
        QTest::newRow("34 rows") << "Pythagore Chromatique";
    }
    void sheetCellsAreNamedByTheirFret()
    {
        QFETCH(QString, scale);
        Base window;
        typeLength(window, "650");
        pickScale(window, scale);
        QStringList onSheet, inWindow;
        whileModalOpen(window, "Command4", [&](QWidget *sheet) {
            for (int row : visibleRows(window)) {
                for (const char *name : {"Text1(%1)", "Tex1(%1)"})
                    onSheet
                        << sheet->findChild<QWidget *>(QString(name).arg(row))->accessibleName();
                inWindow << position(window, row)->accessibleName()
                         << note(window, row)->accessibleName();
            }
        });
        QCOMPARE(onSheet, inWindow);
        QVERIFY(inWindow.contains("Frette 24 : note"));
    }

    void aMissingPrintingModuleIsSaid()
    {
        for (const QString &path :
             output::printingModulePaths(QCoreApplication::applicationDirPath()))
            QVERIFY2(!QFile::exists(path), qPrintable(path)); // none beside this test
        Base window;
        pickScale(window, "Zarlino Diatonique");
        QStringList warnings;
        onSheet(window, "print", QString(), &warnings);
        QCOMPARE(warnings.size(), 1);
        QVERIFY2(warnings.first().contains("module d'impression"), qPrintable(warnings.first()));
    }

    void theInstalledModuleIsFound()
    {
        // The program in usr/bin, its module where the package installs it.
        QTemporaryDir root;
        const QString modules = root.filePath(QStringLiteral(INSTALLED_MODULES));
        QVERIFY(QDir().mkpath(root.filePath(QStringLiteral(INSTALLED_PROGRAM))));
        QVERIFY(QDir().mkpath(modules));
        const QString module = QStringLiteral(PRINTING_MODULE);
        QVERIFY(QFile::copy(module, QDir(modules).filePath(QFileInfo(module).fileName())));
        QString found;
        for (const QString &path :
             output::printingModulePaths(root.filePath(QStringLiteral(INSTALLED_PROGRAM))))
            found = found.isEmpty() && QFile::exists(path) ? path : found;
        QVERIFY(!found.isEmpty());
        QLibrary loaded(found);
        QVERIFY2(loaded.resolve(printing::EntryPoint), qPrintable(loaded.errorString()));
    }

    void aModuleOfAnotherBuildIsRefused_data()
    {
        QTest::addColumn<QString>("stale");
        QTest::newRow("a module older than builds are named") << OLDER_MODULE;
        QTest::newRow("a module of build 2.3") << OTHER_MODULE;
    }
    void aModuleOfAnotherBuildIsRefused()
    {
        QFETCH(QString, stale);
        // Alone, it is refused, and said to be another build's.
        QLibrary module;
        const auto refused = output::printingEntry(module, {stale}, printing::EntryPoint);
        QVERIFY(!refused);
        QVERIFY(!module.isLoaded());
        QVERIFY2(output::describe(refused.failure()).contains("appartient à une autre version"),
                 qPrintable(output::describe(refused.failure())));
        // Found first, it gives way to the module of this build.
        const auto found =
            output::printingEntry(module, {stale, PRINTING_MODULE}, printing::EntryPoint);
        QVERIFY(found);
        QCOMPARE(QFileInfo(module.fileName()).canonicalFilePath(),
                 QFileInfo(PRINTING_MODULE).canonicalFilePath());
    }

    void copiesTheTableAsTextAndHtml()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Pythagore Chromatique");
        SheetTexts texts;
        whileModalOpen(window, "Command4", [&](QWidget *sheet) {
            activate(sheet);
            auto *cell = sheet->findChild<QLineEdit *>("Text1(4)");
            cell->selectAll();
            QTest::keyClicks(cell, "<fait \"main\" & 'juste'>");
            texts = textsOf(*sheet);
            QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        });
        QCOMPARE(texts.cells.size(), 34);
        QList<QStringList> rows = {
            {texts.scaleName}, {"Longueur", texts.length}, {"Frette", "Position", "Note"}};
        for (const auto &[position, note] : texts.cells)
            rows.append({QString::number(rows.size() - 2), position, withoutTrailingBlanks(note)});
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QList<QStringList> plain;
        for (const QString &line : copied->text().split('\n', Qt::SkipEmptyParts))
            plain.append(line.split('\t'));
        QCOMPARE(plain, rows);
        // Read back by a real HTML reader, as a spreadsheet reads it.
        QTextDocument html;
        html.setHtml(copied->html());
        QTextTable *table = nullptr;
        for (QTextFrame *frame : html.rootFrame()->childFrames())
            table = table ? table : qobject_cast<QTextTable *>(frame);
        QVERIFY(table);
        QList<QStringList> cells;
        for (int r = 0; r < table->rows(); ++r) {
            QStringList row;
            for (int c = 0; c < table->columns(); ++c) {
                QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
                cursor.setPosition(table->cellAt(r, c).lastPosition(), QTextCursor::KeepAnchor);
                row << cursor.selectedText();
            }
            while (!row.isEmpty() && row.last().isEmpty())
                row.removeLast();
            cells.append(row);
        }
        QCOMPARE(cells, rows);
    }
};

QTEST_MAIN(TestOutputFaults)
#include "tst_output_faults.moc"
