// SPDX-License-Identifier: GPL-3.0-or-later
// The template dialog as a user meets it: numbers typed with a point or a comma, a length read
// only in part, settings remembered, a long job asked about, slots that cannot fit, and a
// dialog that fits a laptop's screen.
#include "number_field.h"
#include "regional.h"
#include "sheet_test.h"
#include "svg.h"
#include "systems.h"
#include "template_files.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

using namespace window_test;
using namespace sheet_test;

namespace
{

// What a user finds in the dialog, and what came of it.
struct Answers {
    QString file;          // the save dialog's answer
    QStringList said;      // warnings and questions
    bool answerYes = true; // to a question
};

// Opens the sheet of the table shown, then its template dialog with Ctrl+G, and runs the action
// on the dialog; the dialog's questions and file names come from `answers`.
void withTemplateDialog(const Base &window, Answers &answers,
                        const std::function<void(QDialog *)> &action)
{
    whileModalOpen(window, "Command4", [&](QWidget *sheet) {
        activate(sheet);
        qobject_cast<ResultSheet *>(sheet)->setDialogs(
            {[&](QWidget *, const QString &) { return answers.file; },
             [&](QWidget *, const QString &, const QString &message) { answers.said << message; },
             [&](QWidget *, const QString &, const QString &question) {
                 answers.said << question;
                 return answers.answerYes;
             },
             {},
             {}});
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "Gabarit")
                qFatal("no template dialog");
            action(dialog);
            dialog->close();
        });
        QTest::keyClick(sheet, Qt::Key_G, Qt::ControlModifier);
    });
}

template <class Widget = QWidget> Widget *in(QDialog *dialog, const char *name)
{
    auto *widget = dialog->findChild<Widget *>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

// Replaces a field's text as a user does, and presses Enter.
void typeInto(QDialog *dialog, const char *field, const QString &text)
{
    auto *box = in<QLineEdit>(dialog, field);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

QString problemOf(QDialog *dialog)
{
    return in<QLabel>(dialog, "Probleme")->text();
}

bool commandsEnabled(QDialog *dialog)
{
    for (const char *name : {"Imprimer", "EnregistrerPdf", "ExporterSvg", "ExporterDxf"}) {
        if (!in<QPushButton>(dialog, name)->isEnabled())
            return false;
    }
    return true;
}

} // namespace

class TestTemplateDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setUpApplication(); }
    void init() { QSettings(QStringLiteral("Dorvane"), QStringLiteral("dorvane")).clear(); }

    void numbersWithAPointOrAComma_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // once left, with a comma standing for the regional
        QTest::addColumn<bool>("read");
        QTest::newRow("0.6") << "0.6"
                             << "0,6" << true;
        QTest::newRow("0,6") << "0,6"
                             << "0,6" << true;
        QTest::newRow(" 0,60 ") << " 0,60 "
                                << "0,6" << true;
        QTest::newRow("0.6.1 refused, kept as typed") << "0.6.1"
                                                      << "0.6.1" << false;
        QTest::newRow("0,6 mm refused, kept as typed") << "0,6 mm"
                                                       << "0,6 mm" << false;
        QTest::newRow("empty refused") << ""
                                       << "" << false;
    }
    void numbersWithAPointOrAComma()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, read);
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        QString left, problem;
        bool enabled = false;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            typeInto(dialog, "Fente", typed);
            left = in<QLineEdit>(dialog, "Fente")->text();
            problem = problemOf(dialog);
            enabled = commandsEnabled(dialog);
        });
        QCOMPARE(left, read ? window_test::shown(shown) : shown);
        QCOMPARE(enabled, read);
        QCOMPARE(problem.contains("Largeur des fentes"), !read);
    }

    void aSlotOfTheCommaGoesToTheFile()
    {
        QTemporaryDir folder;
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        answers.file = folder.filePath("t.svg");
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            typeInto(dialog, "Fente", "0,6");
            in<QPushButton>(dialog, "ExporterSvg")->click();
        });
        QCOMPARE(answers.said, QStringList());
        QFile svg(answers.file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<rect id=\"slot-1\" x=\"25.7\" y=\"-30\" width=\"0.6\""));
    }

    void aLengthReadInPartIsConfirmedFirst()
    {
        QTemporaryDir folder;
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        typeLength(window, "647,7");
        Answers answers;
        answers.file = folder.filePath("t.svg");
        QString problem;
        bool before = true, after = false, confirmShown = false;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            problem = problemOf(dialog);
            before = commandsEnabled(dialog);
            auto *confirm = in<QPushButton>(dialog, "ConfirmerLongueur");
            confirmShown = confirm->isVisible();
            QVERIFY(confirm->text().endsWith(": 647"));
            confirm->click();
            after = commandsEnabled(dialog);
            in<QPushButton>(dialog, "ExporterSvg")->click();
        });
        QVERIFY2(problem.startsWith("Lu : 647 — « ,7 » est ignoré"), qPrintable(problem));
        QVERIFY(!before);
        QVERIFY(confirmShown);
        QVERIFY(after);
        QFile svg(answers.file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<line id=\"bridge\" x1=\"647\""));
    }

    void aTemplateThatCannotBeWrittenWholeLeavesTheOldFile()
    {
        QTemporaryDir folder;
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        answers.file = folder.filePath("t.svg");
        QFile old(answers.file);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("<svg/>") == 6);
        old.close();
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            // The disk fills after 4 kB: a write beyond fails instead of ending the program.
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            const rlimit normal = limit;
            std::signal(SIGXFSZ, SIG_IGN);
            limit.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &limit);
            in<QPushButton>(dialog, "ExporterSvg")->click();
            setrlimit(RLIMIT_FSIZE, &normal);
        });
        QCOMPARE(answers.said.size(), 1);
        QVERIFY2(answers.said[0].contains("n'a pas été enregistré") &&
                     answers.said[0].contains("disque"),
                 qPrintable(answers.said[0]));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), "<svg/>");
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"t.svg"});
    }

    void settingsAreRemembered()
    {
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            in<QComboBox>(dialog, "Unite")->setCurrentIndex(1); // cm
            typeInto(dialog, "Largeur", "5,5");
            typeInto(dialog, "Fente", "0.06");
            in<QComboBox>(dialog, "Papier")->setCurrentIndex(1);
            typeInto(dialog, "Regle", "98");
            in<QSpinBox>(dialog, "Cordes")->setValue(7);
            typeInto(dialog, "LongueurGrave", "68,6");
            typeInto(dialog, "FrettePerpendiculaire", "8.5");
            typeInto(dialog, "EcartementChevalet", "5,4");
            typeInto(dialog, "Debord", "0,3");
            in<QCheckBox>(dialog, "Gaucher")->setChecked(true);
        });
        QStringList seen;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            seen = QStringList{in<QComboBox>(dialog, "Unite")->currentText(),
                               in<QLineEdit>(dialog, "Largeur")->text(),
                               in<QLineEdit>(dialog, "Fente")->text(),
                               in<QComboBox>(dialog, "Papier")->currentText(),
                               in<QLineEdit>(dialog, "Regle")->text(),
                               in<QSpinBox>(dialog, "Cordes")->text(),
                               in<QLineEdit>(dialog, "LongueurGrave")->text(),
                               in<QLineEdit>(dialog, "FrettePerpendiculaire")->text(),
                               in<QLineEdit>(dialog, "EcartementSillet")->text(),
                               in<QLineEdit>(dialog, "EcartementChevalet")->text(),
                               in<QLineEdit>(dialog, "Debord")->text(),
                               in<QLineEdit>(dialog, "FinTouche")->text(),
                               in<QCheckBox>(dialog, "Gaucher")->isChecked() ? "x" : ""};
        });
        QCOMPARE(seen,
                 (QStringList{"cm", shown("5,5"), shown("0,06"), "Letter", "98", "7", shown("68,6"),
                              shown("8,5"), shown("3,5"), shown("5,4"), shown("0,3"), "0", "x"}));
    }

    void theWidthsFollowTheUnitBothWays_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QStringList>("seen"); // strip and slot in cm, then in pouces, then mm
        QTest::newRow("50 and 0,6 mm")
            << "50"
            << "0,6" << QStringList{"5", "0,06", "1,9685", "0,0236", "50", "0,6"};
        QTest::newRow("the default 60 mm")
            << "60"
            << "0" << QStringList{"6", "0", "2,3622", "0", "60", "0"};
        QTest::newRow("72,25 and 0,55 mm")
            << "72,25"
            << "0,55" << QStringList{"7,225", "0,055", "2,8445", "0,0217", "72,25", "0,55"};
    }
    void theWidthsFollowTheUnitBothWays()
    {
        QFETCH(QString, strip);
        QFETCH(QString, slot);
        QFETCH(QStringList, seen);
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        QStringList shownThere;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            typeInto(dialog, "Largeur", strip);
            typeInto(dialog, "Fente", slot);
            for (int unit : {1, 2, 0}) {
                in<QComboBox>(dialog, "Unite")->setCurrentIndex(unit);
                shownThere << in<QLineEdit>(dialog, "Largeur")->text()
                           << in<QLineEdit>(dialog, "Fente")->text();
            }
        });
        for (QString &text : seen)
            text = shown(text);
        QCOMPARE(shownThere, seen);
    }

    void aLongJobIsAskedAbout()
    {
        QTemporaryDir folder;
        Base window;
        typeLength(window, "650");
        pickScale(window, "Tempérée Chromatique");
        Answers answers;
        answers.file = folder.filePath("t.pdf");
        answers.answerYes = false;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            in<QComboBox>(dialog, "Unite")->setCurrentIndex(2); // pouces
            in<QPushButton>(dialog, "EnregistrerPdf")->click();
        });
        QCOMPARE(answers.said,
                 QStringList{shown("650 pouces font 16,5 m : 64 pages. Continuer ?")});
        QVERIFY(!QFile::exists(answers.file));
    }

    void slotsThatCannotFitAreRefused_data()
    {
        QTest::addColumn<QString>("slot");
        QTest::addColumn<QString>("problem"); // empty when the slot fits
        QTest::newRow("1,4574 at 330 fits") << "1,4574"
                                            << "";
        QTest::newRow("1,4575 at 330, the gap after fret 40")
            << "1,4575"
            << "1,4575 entre les frettes 40 et 41";
        QTest::newRow("as wide as the strip") << "60"
                                              << "inférieure à celle de la bande";
    }
    void slotsThatCannotFitAreRefused()
    {
        QFETCH(QString, slot);
        QFETCH(QString, problem);
        Base window;
        typeLength(window, "330");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        QString said, page;
        bool enabled = false;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            typeInto(dialog, "Fente", slot);
            said = problemOf(dialog);
            enabled = commandsEnabled(dialog);
            page = in<QSpinBox>(dialog, "Page")->text();
            // Pressed anyway, no command makes anything of settings refused.
            for (auto *button : dialog->findChildren<QPushButton *>())
                if (!problem.isEmpty() && button->objectName() != "Fermer")
                    button->click();
        });
        QVERIFY2(said.contains(shown(problem)), qPrintable(said));
        QCOMPARE(enabled, problem.isEmpty());
        // A template refused has no pages to count.
        QVERIFY2(problem.isEmpty() ? page == "Page 1 / 2" : page == "Page –", qPrintable(page));
    }

    // The section "Manche" to the file, as the core makes the board of the same settings: the
    // other strings' tables in the scale of the sheet, at their own lengths.
    void aBoardGoesToTheFile_data()
    {
        QTest::addColumn<QString>("scale");
        QTest::addColumn<QStringList>("typed"); // strings, bass, fret P, nut span (mm), tuning
        QTest::addColumn<bool>("leftHanded");
        QTest::newRow("Zarlino Chromatique, 6 strings, 686,5 with a comma")
            << "Zarlino Chromatique" << QStringList{"6", "686,5", "7", "36.5"} << false;
        QTest::newRow("Pythagore Diatonique, 4 strings straight, left-handed")
            << "Pythagore Diatonique" << QStringList{"4", "", "0", "30"} << true;
        QTest::newRow("Tempérée Chromatique, 24 strings, P at 2,5")
            << "Tempérée Chromatique" << QStringList{"24", "700", "2,5", "35"} << false;
        QTest::newRow("Zarlino Chromatique simplifiée, a guitar on 4,11,7,2,9,4")
            << "Zarlino Chromatique simplifiée"
            << QStringList{"6", "686", "7", "35", "4,11,7,2,9,4"} << false;
    }
    void aBoardGoesToTheFile()
    {
        QFETCH(QString, scale);
        QFETCH(QStringList, typed);
        QFETCH(bool, leftHanded);
        QTemporaryDir folder;
        Base window;
        typeLength(window, "648");
        pickScale(window, scale);
        Answers answers;
        answers.file = folder.filePath("t.svg");
        bool stripShut = false;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            in<QSpinBox>(dialog, "Cordes")->setValue(typed[0].toInt());
            typeInto(dialog, "LongueurGrave", typed[1]);
            typeInto(dialog, "FrettePerpendiculaire", typed[2]);
            typeInto(dialog, "EcartementSillet", typed[3]);
            typeInto(dialog, "AccordCordes", typed.value(4));
            in<QCheckBox>(dialog, "Gaucher")->setChecked(leftHanded);
            stripShut = !in<QLineEdit>(dialog, "Largeur")->isEnabled();
            in<QPushButton>(dialog, "ExporterSvg")->click();
            in<QAction>(dialog, "CopierTableau")->trigger(); // Ctrl+Maj+C
        });
        QCOMPARE(answers.said, QStringList());
        QVERIFY(stripShut);

        using namespace dorvane;
        const auto number = [](QString text) {
            return DecimalFromText(text.replace(',', '.').toStdString()).value;
        };
        const TableChoice choice{FindSystem(scale.toStdString()), 0,
                                 Currency::fromScaled(648 * 10000)};
        TemplateSettings settings;
        settings.board = DefaultBoard(Unit::Millimetre);
        settings.board.strings = typed[0].toInt();
        if (!typed[1].isEmpty())
            settings.board.bassLength = number(typed[1]);
        settings.board.perpendicular = DoubleFromCurrency(number(typed[2]));
        settings.board.nutSpan = number(typed[3]);
        settings.board.leftHanded = leftHanded;
        if (typed.size() > 4) {
            settings.board.tuning.scale = DegreesOf(TableOf(choice));
            settings.board.tuning.degrees =
                *ReadTuning(typed[4].toStdString(), settings.board.tuning.scale, 6);
        }
        const auto made = template_files::makeTemplate(
            TableOf(choice), settings, output::decimalSeparator(), [&](Currency length) {
                return TableOf({choice.system, 0, length});
            });
        QVERIFY(made);
        QFile svg(answers.file);
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QCOMPARE(svg.readAll().toStdString(), TemplateSvg(*made));

        // The copy: the strings' lengths, then each string's positions in a column of its own.
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        if (typed.size() > 4) {
            QVERIFY(lines.value(2).startsWith("Frette\tCorde 1 (Mi)\tNote\tCorde 2 (Si)"));
            return;
        }
        const int strings = typed[0].toInt();
        const FretTable bass = TableOf({choice.system, 0, made->board->strings.back().length});
        QCOMPARE(lines.size(), 3 + int(made->frets.size()) + 1);
        QVERIFY(lines[0].startsWith(scale));
        const QStringList lengths = lines[1].split('\t');
        QCOMPARE(lengths.size(), 1 + strings);
        QCOMPARE(lengths.last(), shown(typed[1].isEmpty() ? "648" : typed[1]));
        const QStringList titles = lines[2].split('\t');
        QCOMPARE(titles.size(), strings + 2);
        QCOMPARE(titles[strings], QString("Corde %1").arg(strings));
        const QStringList first = lines[3].split('\t');
        QCOMPARE(first[strings],
                 shown(QString::fromStdString(CurrencyText(bass.frets[0].position, ",").str())));
        QCOMPARE(first.last(), QString::fromStdString(bass.frets[0].note));
    }

    void boardsThatCannotBeMadeAreRefused_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("problem");
        QTest::newRow("fret 42,5 of 42") << "FrettePerpendiculaire"
                                         << "42,5"
                                         << "la frette perpendiculaire va de 0 (le sillet) à la "
                                            "dernière frette, 42";
        QTest::newRow("a nut span of 1400 at 648")
            << "EcartementSillet"
            << "1400"
            << "les cordes extrêmes ne peuvent pas aller du sillet au chevalet";
        // 2,5 fits the gaps along string 1 at 648, not those along string 6 at 500.
        QTest::newRow("a slot of 2,5 on string 6 at 500") << "Fente"
                                                          << "2,5"
                                                          << "entre les frettes 40 et 41";
        QTest::newRow("a bass length of 0") << "LongueurGrave"
                                            << "0"
                                            << "doit être positive";
        QTest::newRow("a note not of the scale") << "AccordCordes"
                                                 << "Mi Si Xa Sol La Mi"
                                                 << "Accord des cordes : corde 3 : « Xa »";
        QTest::newRow("a span not a number") << "EcartementChevalet"
                                             << "5x"
                                             << "Écartement au chevalet : « 5x »";
    }
    void boardsThatCannotBeMadeAreRefused()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, problem);
        Base window;
        typeLength(window, "648");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        QString said;
        bool enabled = true;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            in<QSpinBox>(dialog, "Cordes")->setValue(6);
            typeInto(dialog, "LongueurGrave", "500");
            typeInto(dialog, field.toLatin1().constData(), typed);
            said = problemOf(dialog);
            enabled = commandsEnabled(dialog);
        });
        QVERIFY2(said.contains(problem), qPrintable(said));
        QVERIFY(!enabled);
    }

    void refusedSettingsRecalledDisableEveryCommand()
    {
        QSettings stored(QStringLiteral("Dorvane"), QStringLiteral("dorvane"));
        stored.setValue("Gabarit/largeurFentes", "60");
        stored.sync();
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        QList<bool> enabled;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            for (auto *button : dialog->findChildren<QPushButton *>()) {
                if (button->objectName() == "Fermer" || !button->isVisible())
                    continue;
                enabled << button->isEnabled();
                button->click();
            }
        });
        QVERIFY(!enabled.contains(true));
        QCOMPARE(answers.said, QStringList());
    }

    void fitsALaptop()
    {
        // 1366 x 768 at 150 % leaves 910 x 512 logical pixels, less a title bar and a panel.
        Base window;
        typeLength(window, "650");
        pickScale(window, "Zarlino Chromatique");
        Answers answers;
        QSize least, size, screen;
        withTemplateDialog(window, answers, [&](QDialog *dialog) {
            least = dialog->minimumSizeHint();
            size = dialog->frameGeometry().size();
            screen = dialog->screen()->availableGeometry().size();
        });
        QVERIFY2(least.width() <= 910 && least.height() <= 512 - 60,
                 qPrintable(QString("%1 x %2").arg(least.width()).arg(least.height())));
        QVERIFY(size.width() <= screen.width() && size.height() <= screen.height());
    }
};

QTEST_MAIN(TestTemplateDialog)
#include "tst_template_dialog.moc"
