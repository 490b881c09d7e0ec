// SPDX-License-Identifier: GPL-3.0-or-later
// The result sheets and the about box, opened through the real buttons of the main window.
#include "window_test.h"

#include <QPushButton>

using namespace window_test;

namespace
{

// What a modal window showed while it was open.
struct Seen {
    QString name;
    QString title;
    QSize size;
    Qt::WindowFlags flags;
    QWidget *window = nullptr;
    QString focus;
    QString selected; // in the box that has the focus
    int cursor = -1;
    QMap<QString, QString> texts; // every text box and label by name
    QMap<QString, QRect> places;
    QMap<QString, QFont> fonts;
};

// Presses a button of the main window, looks at the modal window it opens, then lets the
// given action run on it (typing, say) and closes it with its close button.
Seen pressAndLook(const Base &window, const char *button,
                  const std::function<void(QWidget *)> &whileOpen = {})
{
    Seen seen;
    whileModalOpen(window, button, [&](QWidget *modal) {
        seen.name = modal->objectName();
        seen.title = modal->windowTitle();
        seen.size = modal->size();
        seen.flags = modal->windowFlags();
        seen.window = modal;
        seen.focus = modal->focusWidget() ? modal->focusWidget()->objectName() : QString();
        if (auto *box = qobject_cast<QLineEdit *>(modal->focusWidget())) {
            seen.selected = box->selectedText();
            seen.cursor = box->cursorPosition();
        }
        for (QWidget *child : modal->findChildren<QWidget *>()) {
            if (child->objectName().isEmpty())
                continue;
            if (auto *edit = qobject_cast<QLineEdit *>(child))
                seen.texts[child->objectName()] = edit->text();
            else if (auto *label = qobject_cast<QLabel *>(child))
                seen.texts[child->objectName()] = label->text();
            seen.places[child->objectName()] = child->geometry();
            seen.fonts[child->objectName()] = child->font();
        }
        if (whileOpen)
            whileOpen(modal);
    });
    return seen;
}

Seen openSheet(const Base &window, const std::function<void(QWidget *)> &whileOpen = {})
{
    return pressAndLook(window, "Command4", whileOpen);
}

QList<int> cellRows(const Seen &sheet, const QString &prefix)
{
    QList<int> rows;
    for (const QString &name : sheet.texts.keys()) {
        if (name.startsWith(prefix + "("))
            rows << name.mid(prefix.size() + 1).chopped(1).toInt();
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

const QList<int> diatonicRows = rowsOf({{0, 6}, {11, 17}});
const QList<int> chromaticRows = rowsOf({{0, 5}, {11, 16}, {26, 31}, {37, 42}});
const QList<int> pythagoreanRows = rowsOf({{0, 8}, {11, 18}, {21, 29}, {32, 39}});
const QList<int> zarlinoRows = rowsOf({{0, 41}});

} // namespace

class TestSheets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }

    void sheetForEveryKind_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QList<int>>("rows");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no scale yet") << ""
                                      << "Capture14" << diatonicRows << QSize(313, 289) << "Text2";
        const QString chromaticSheet = "Capture24";
        QTest::newRow("Zarlino Diatonique")
            << "Zarlino Diatonique"
            << "Capture14" << diatonicRows << QSize(313, 289) << "Text2";
        QTest::newRow("Pythagore Diatonique")
            << "Pythagore Diatonique"
            << "Capture14" << diatonicRows << QSize(313, 289) << "Text2";
        QTest::newRow("Tempérée Diatonique")
            << "Tempérée Diatonique"
            << "Capture14" << diatonicRows << QSize(313, 289) << "Text2";
        for (const char *scale : {"Tempérée Chromatique", "Pythagore Chromatique simplifiée",
                                  "Zarlino Chromatique simplifiée"})
            QTest::newRow(scale) << scale << chromaticSheet << chromaticRows << QSize(313, 449)
                                 << "Text1(0)";
        QTest::newRow("Pythagore Chromatique")
            << "Pythagore Chromatique"
            << "Capture34" << pythagoreanRows << QSize(465, 417) << "Text1(36)";
        QTest::newRow("Zarlino Chromatique")
            << "Zarlino Chromatique"
            << "Capture42" << zarlinoRows << QSize(617, 385) << "Tex43";
    }
    void sheetForEveryKind()
    {
        QFETCH(QString, scale);
        QFETCH(QString, sheet);
        QFETCH(QList<int>, rows);
        QFETCH(QSize, size);
        QFETCH(QString, focus);
        Base window;
        typeLength(window, "650");
        if (!scale.isEmpty())
            pickScale(window, scale);
        const Seen seen = openSheet(window);
        QCOMPARE(seen.name, sheet);
        QCOMPARE(seen.title, " Dorvane 2.4");
        QCOMPARE(seen.size, size);
        QVERIFY(seen.flags.testFlag(Qt::Tool));
        QVERIFY(!seen.flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!seen.flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(seen.focus, focus);
        QCOMPARE(seen.selected, QString()); // the box opens as the program filled it
        QCOMPARE(seen.cursor, 0);
        QCOMPARE(cellRows(seen, "Text1"), rows);
        QCOMPARE(cellRows(seen, "Tex1"), rows);
        for (int row : rows) {
            QCOMPARE(seen.texts["Text1(" + QString::number(row) + ")"],
                     position(window, row)->text());
            QCOMPARE(seen.texts["Tex1(" + QString::number(row) + ")"], note(window, row)->text());
        }
        const bool wide = sheet == "Capture34" || sheet == "Capture42";
        QCOMPARE(seen.texts[wide ? "Text43" : "Text2"], "650");
        QCOMPARE(seen.texts[wide ? "Tex43" : "Tex2"], "Diap.");
        const QString caption = scale == "Pythagore Diatonique" ? scale + ", mode de Do" : scale;
        QCOMPARE(seen.texts["Label3"], scale.isEmpty() ? "Gamme :" : caption);
        QCOMPARE(seen.texts[sheet == "Capture14" ? "Label2" : "Label1"], " Longueur");
        QCOMPARE(seen.texts[sheet == "Capture14" ? "Label1" : "Label2"], "Note");
    }

    void cellsStandInColumns_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QList<int>>("perColumn");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("Capture14") << "Zarlino Diatonique" << QList<int>{6, 8} << diatonicRows;
        QTest::newRow("Capture24") << "Tempérée Chromatique" << QList<int>{11, 13} << chromaticRows;
        QTest::newRow("Capture34")
            << "Pythagore Chromatique" << QList<int>{10, 12, 12} << pythagoreanRows;
        QTest::newRow("Capture42")
            << "Zarlino Chromatique" << QList<int>{9, 11, 11, 11} << zarlinoRows;
    }
    void cellsStandInColumns()
    {
        // Column c: position cell at 120 + 2280 c twips, note cell at 1680 + 2280 c; column 0
        // from top 1440, the others from 480, 480 apart; cells 1455 or 615 by 405.
        QFETCH(QString, scale);
        QFETCH(QList<int>, perColumn);
        QFETCH(QList<int>, rows);
        Base window;
        pickScale(window, scale);
        const Seen seen = openSheet(window);
        int k = 0;
        for (int c = 0; c < perColumn.size(); ++c) {
            for (int j = 0; j < perColumn[c]; ++j, ++k) {
                const QString row = QString::number(rows[k]);
                const int top = ((c == 0 ? 1440 : 480) + 480 * j + 7) / 15;
                QCOMPARE(seen.places["Text1(" + row + ")"],
                         QRect((120 + 2280 * c + 7) / 15, top, 97, 27));
                QCOMPARE(seen.places["Tex1(" + row + ")"],
                         QRect((1680 + 2280 * c + 7) / 15, top, 41, 27));
            }
        }
        QCOMPARE(k, rows.size());
    }

    void placesGivenAsExamples()
    {
        Base window;
        pickScale(window, "Tempérée Chromatique");
        Seen seen = openSheet(window);
        QCOMPARE(seen.places["Tex1(3)"].top(), 2880 / 15);
        QCOMPARE(seen.places["Text1(3)"].top(), 2880 / 15);
        QCOMPARE(seen.places["Tex1(4)"].top(), 3360 / 15);
        QCOMPARE(seen.places["Text1(15)"].top(), 6240 / 15);
        QCOMPARE(seen.places["Text1(16)"], QRect(2400 / 15, 480 / 15, 97, 27));
        QCOMPARE(seen.places["Text2"], QRect(8, 64, 97, 27));
        QCOMPARE(seen.places["Tex2"], QRect(112, 64, 41, 27));
        QCOMPARE(seen.places["Label1"], QRect(8, 32, 97, 25));
        QCOMPARE(seen.places["Line5"], QRect(0, 24, 313, 1));  // the rule under the scale name
        QCOMPARE(seen.places["Line3"], QRect(312, 0, 1, 449)); // the right of the frame
        pickScale(window, "Zarlino Chromatique");
        seen = openSheet(window);
        QCOMPARE(seen.places["Text1(8)"].top(), 5280 / 15);
        QCOMPARE(seen.places["Text1(9)"], QRect(2400 / 15, 480 / 15, 97, 27));
        QCOMPARE(seen.places["Text1(41)"].top(), 5280 / 15);
    }

    void fontsOfTheCells_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QList<int>>("narrow");
        QTest::addColumn<double>("namePixels");
        QTest::newRow("Capture14") << "Zarlino Diatonique" << QList<int>{} << 13.0;
        QTest::newRow("Capture24") << "Tempérée Chromatique" << QList<int>{13, 15, 39} << 13.0;
        QTest::newRow("Capture34") << "Pythagore Chromatique" << QList<int>{8, 21, 34} << 15.0;
        QTest::newRow("Capture42") << "Zarlino Chromatique" << QList<int>{8, 18, 29} << 13.0;
    }
    void fontsOfTheCells()
    {
        QFETCH(QString, scale);
        QFETCH(QList<int>, narrow);
        QFETCH(double, namePixels);
        Base window;
        pickScale(window, scale);
        const Seen seen = openSheet(window);
        for (const QString &name : seen.fonts.keys()) {
            const QFont font = seen.fonts[name];
            if (name.startsWith("Tex1(")) {
                const int row = name.mid(5).chopped(1).toInt();
                QCOMPARE(font,
                         design::font(narrow.contains(row) ? "MS Sans Serif" : "Arial", 9.75));
            } else if (name.startsWith("Text1(")) {
                QCOMPARE(font, design::font("Times New Roman", 12));
            }
        }
        QCOMPARE(seen.fonts["Label3"].pixelSize(), namePixels);
    }

    void copiesTheTextsAsTheyStand_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("length");      // in the sheet's length cell
        QTest::addColumn<QString>("explanation"); // under the cells; empty for none
        QTest::addColumn<QString>("first");       // position of the first fret
        QTest::newRow("\" 7 00\" read whole, copied as typed") << " 7 00"
                                                               << " 7 00"
                                                               << ""
                                                               << "77,7778";
        QTest::newRow("\"647,7\" read in part: the length read, and why")
            << "647,7"
            << "647"
            << "Lu : 647 — « ,7 » est ignoré"
            << "71,8889";
        QTest::newRow("\"1e15\" out of range: 0, and why") << "1e15"
                                                           << "0"
                                                           << "hors limites"
                                                           << "0";
    }
    void copiesTheTextsAsTheyStand()
    {
        QFETCH(QString, typed);
        QFETCH(QString, length);
        QFETCH(QString, explanation);
        QFETCH(QString, first);
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Diatonique");
        typeLength(window, typed); // typed after the choice: the table follows
        position(window, 3)->setText("à la main");
        auto *combo = control<QComboBox>(window, "Combo1");
        combo->setEditText("ma gamme"); // the sheet names the scale of its figures
        const Seen seen = openSheet(window);
        QCOMPARE(seen.texts["Text2"], length);
        QCOMPARE(seen.texts["Text1(0)"], shown(first));
        QCOMPARE(seen.texts["Text1(3)"], "à la main");
        QCOMPARE(seen.texts["Tex1(0)"], "Ré  ");
        QCOMPARE(seen.texts["Label3"], "Zarlino Diatonique");
        QCOMPARE(seen.texts.contains("ExplicationLongueur"), !explanation.isEmpty());
        QVERIFY2(seen.texts.value("ExplicationLongueur").contains(explanation),
                 qPrintable(seen.texts.value("ExplicationLongueur")));
        // The explanation stands within the sheet's frame, below its cells.
        if (!explanation.isEmpty()) {
            const QRect under = seen.places["ExplicationLongueur"];
            QVERIFY(under.top() >= seen.places["Text1(17)"].bottom());
            QVERIFY(under.bottom() < seen.size.height() - 1);
        }
    }

    void afterTheResetEveryCellIsEmpty()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Pythagore Chromatique");
        QTest::mouseClick(control(window, "Command1"), Qt::LeftButton);
        const Seen seen = openSheet(window);
        QCOMPARE(seen.name, "Capture34"); // the kind stays after the reset
        for (int row : pythagoreanRows) {
            QCOMPARE(seen.texts["Text1(" + QString::number(row) + ")"], QString());
            QCOMPARE(seen.texts["Tex1(" + QString::number(row) + ")"], QString());
        }
        QCOMPARE(seen.texts["Text43"], QString());
        QCOMPARE(seen.texts["Label3"], "Gamme :");
    }

    void reopeningShowsTheMainWindowAgain()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Tempérée Chromatique");
        const Seen first = openSheet(window, [](QWidget *sheet) {
            auto *cell = sheet->findChild<QLineEdit *>("Text1(0)");
            cell->selectAll();
            QTest::keyClicks(cell, "typed on the sheet");
            QTest::keyClicks(sheet->findChild<QLineEdit *>("Text2"), "0");
        });
        QCOMPARE(position(window, 0)->text(), shown("36,4817")); // nothing reached the window
        QCOMPARE(control<QLineEdit>(window, "Longvib")->text(), "650");
        const Seen second = openSheet(window);
        QCOMPARE(second.window, first.window); // the same sheet, loaded again
        QCOMPARE(second.texts, first.texts);
        QCOMPARE(second.texts["Text1(0)"], shown("36,4817"));

        typeLength(window, "700");
        pickScale(window, "Tempérée Chromatique");
        const Seen third = openSheet(window);
        QCOMPARE(third.window, first.window);
        QCOMPARE(third.texts["Text1(16)"], "350");
        QCOMPARE(third.texts["Text2"], "700");
    }

    void onlyOneOfEachSheet()
    {
        Base window;
        pickScale(window, "Zarlino Chromatique");
        const Seen a = openSheet(window);
        pickScale(window, "Tempérée Diatonique");
        const Seen b = openSheet(window);
        pickScale(window, "Zarlino Chromatique");
        const Seen c = openSheet(window);
        QVERIFY(a.window != b.window);
        QCOMPARE(c.window, a.window);
        int sheets = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            sheets += top->objectName().startsWith("Capture");
        QCOMPARE(sheets, 2);
    }

    void aboutBox()
    {
        Base window;
        const Seen first = pressAndLook(window, "Command2");
        QCOMPARE(first.name, "info");
        QCOMPARE(first.title, "A propos ...");
        QCOMPARE(first.size, QSize(217, 152));
        QVERIFY(!first.flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!first.flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(first.texts["Label1"], "Dorvane version 2.4");
        QVERIFY(!first.texts["Label2"].isEmpty());
        QCOMPARE(first.texts["Label4"], "2004 - 2014");
        QCOMPARE(first.texts["Label3"], "Gratuiciel  /  Freeware");
        QCOMPARE(first.places["Label1"], QRect(48, 8, 137, 17));
        QCOMPARE(first.places["Picture1"], QRect(96, 88, 35, 44));
        QCOMPARE(first.fonts["Label1"].pixelSize(), 13);
        QCOMPARE(first.fonts["Label3"].pixelSize(), 11);
        QCOMPARE(first.fonts["Label3"], design::font("MS Sans Serif", 8.25));
        const Seen second = pressAndLook(window, "Command2");
        QCOMPARE(second.window, first.window);
        QCOMPARE(second.texts, first.texts);
    }

    void mainWindowWaitsWhileASheetIsOpen()
    {
        Base window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool blocked = false;
        openSheet(window, [&](QWidget *sheet) {
            blocked = sheet->windowModality() == Qt::ApplicationModal &&
                      QApplication::activeModalWidget() == sheet && !sheet->parentWidget();
        });
        QVERIFY(blocked);
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestSheets)
#include "tst_sheets.moc"
