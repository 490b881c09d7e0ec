// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_sheet.h"

#include "design.h"
#include "printing.h"
#include "sheet_output.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPalette>
#include <QStandardPaths>
#include <algorithm>
#include <cstdio>
#include <memory>

namespace sheets
{

using namespace dorvane::scales;

const SheetDesign Capture14 = {.name = "Capture14",
                               .rows = DiatonicRows,
                               .cellsPerColumn = {6, 8, 0, 0},
                               .clientWidth = 4695,
                               .clientHeight = 4335,
                               .lengthCell = "Text2",
                               .lengthLabelCell = "Tex2",
                               .lengthHeader = "Label2",
                               .noteHeader = "Label1",
                               .scaleNamePoints = 9.75,
                               .narrowNotes = {-1, -1, -1},
                               .firstFocus = "Text2",
                               .lineNames = {"Line1", "Line2", "Line4", "Line3", "Line5"}};

const SheetDesign Capture24 = {.name = "Capture24",
                               .rows = ChromaticRows,
                               .cellsPerColumn = {11, 13, 0, 0},
                               .clientWidth = 4695,
                               .clientHeight = 6735,
                               .lengthCell = "Text2",
                               .lengthLabelCell = "Tex2",
                               .lengthHeader = "Label1",
                               .noteHeader = "Label2",
                               .scaleNamePoints = 9.75,
                               .narrowNotes = {13, 15, 39},
                               .firstFocus = "Text1(0)",
                               .lineNames = {"Line1", "Line2", "Line3", "Line4", "Line5"}};

const SheetDesign Capture34 = {.name = "Capture34",
                               .rows = PythagoreanChromaticRows,
                               .cellsPerColumn = {10, 12, 12, 0},
                               .clientWidth = 6975,
                               .clientHeight = 6255,
                               .lengthCell = "Text43",
                               .lengthLabelCell = "Tex43",
                               .lengthHeader = "Label1",
                               .noteHeader = "Label2",
                               .scaleNamePoints = 11.25,
                               .narrowNotes = {8, 21, 34},
                               .firstFocus = "Text1(36)",
                               .lineNames = {"Line5", "Line2", "Line1", "Line4", "Line9"}};

const SheetDesign Capture42 = {.name = "Capture42",
                               .rows = ZarlinoChromaticRows,
                               .cellsPerColumn = {9, 11, 11, 11},
                               .clientWidth = 9255,
                               .clientHeight = 5775,
                               .lengthCell = "Text43",
                               .lengthLabelCell = "Tex43",
                               .lengthHeader = "Label1",
                               .noteHeader = "Label2",
                               .scaleNamePoints = 9.75,
                               .narrowNotes = {8, 18, 29},
                               .firstFocus = "Tex43",
                               .lineNames = {"Line1", "Line2", "Line3", "Line4", "Line5"}};

} // namespace sheets

namespace
{

constexpr int CellPitch = 480;
constexpr int FirstColumnTop = 1440; // below the headers and the length line
constexpr int OtherColumnTop = 480;
constexpr int ColumnPitch = 2280;
constexpr int PositionLeft = 120;
constexpr int NoteLeft = 1680;
constexpr int PositionWidth = 1455;
constexpr int NoteWidth = 615;
constexpr int CellHeight = 405;
constexpr int RuleTop = 360;

QLabel *header(QWidget *parent, const char *name, const QString &caption, QRect place,
               const QColor &background)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    design::setFont(label, design::font("Arial", 11.25));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    design::setBackground(label, background);
    return label;
}

// A line one pixel wide in the window-text colour.
void line(QWidget *parent, const char *name, QRect place)
{
    auto *l = new QWidget(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(place);
    design::setBackground(l, parent->palette().color(QPalette::WindowText));
}

QString textOf(const QWidget &window, const QString &name)
{
    const auto *edit = window.findChild<const QLineEdit *>(name);
    return edit ? edit->text() : QString();
}

// Where a PDF is proposed: the user's documents folder, or the home folder without one.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

ResultSheet::Dialogs systemDialogs()
{
    return {
        [](QWidget *parent, const QString &proposedPath) {
            QFileDialog dialog(parent, QStringLiteral("Enregistrer en PDF"));
            dialog.setAcceptMode(QFileDialog::AcceptSave); // asks before replacing a file
            dialog.setNameFilter(QStringLiteral("PDF (*.pdf)"));
            dialog.setDefaultSuffix(QStringLiteral("pdf"));
            dialog.setDirectory(QFileInfo(proposedPath).absolutePath());
            dialog.selectFile(QFileInfo(proposedPath).fileName());
            return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
        },
        [](QWidget *parent, const QString &title, const QString &message) {
            QMessageBox::warning(parent, title, message);
        },
    };
}

} // namespace

ResultSheet::ResultSheet(const SheetDesign &design)
    : QDialog(nullptr,
              Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      sheetDesign(design)
{
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QStringLiteral(" Dorvane 2.4"));
    setAccessibleName(QStringLiteral("Feuille de résultats"));
    setAccessibleDescription(QStringLiteral("Le tableau en grand : Ctrl+P l'imprime, Ctrl+S "
                                            "l'enregistre en PDF, Ctrl+Maj+C le copie"));
    setModal(true);
    setFixedSize(design::pixels(design.clientWidth), design::pixels(design.clientHeight));
    QPalette menuBar = palette();
    menuBar.setColor(QPalette::Window, design::menuBarColour());
    setPalette(menuBar);
    setAutoFillBackground(true);
    connect(this, &QDialog::finished, this, &ResultSheet::unload);

    const auto command = [this](const char *text, const QKeySequence &keys,
                                void (ResultSheet::*run)()) {
        auto *action = new QAction(QString::fromUtf8(text), this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    commands = {command("Imprimer…", QKeySequence::Print, &ResultSheet::print),
                command("Enregistrer en PDF…", QKeySequence::Save, &ResultSheet::saveAsPdf),
                command("Copier le tableau", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C),
                        &ResultSheet::copyTable)};
    addActions(commands); // their keys work wherever the focus is on the sheet
    dialogs = systemDialogs();
}

// Shown, a dialog gives its first box the focus as the Tab key would, which selects the box's
// text; a sheet opens with its texts as the program wrote them, the cursor at their start.
void ResultSheet::setVisible(bool visible)
{
    QDialog::setVisible(visible);
    if (auto *box = qobject_cast<QLineEdit *>(focusWidget()); visible && box) {
        box->deselect();
        box->setCursorPosition(0);
    }
}

void ResultSheet::setDialogs(Dialogs replacement)
{
    dialogs = std::move(replacement);
}

void ResultSheet::showFilledFrom(const QWidget &mainWindow)
{
    load();
    Form_Load(mainWindow);
    exec();
}

void ResultSheet::load()
{
    unload();
    controls = new QWidget(this);
    controls->setGeometry(rect());
    const SheetDesign &d = sheetDesign;
    const QColor noteColour = design::tooltipBackground();

    auto *scaleName = new QLabel(controls);
    scaleName->setObjectName(QStringLiteral("Label3"));
    scaleName->setGeometry(design::twips(120, 120, 4455, 255));
    design::setFont(scaleName, design::font("Arial", d.scaleNamePoints));
    QPalette names = scaleName->palette();
    names.setColor(QPalette::WindowText, names.color(QPalette::ButtonText));
    scaleName->setPalette(names);

    header(controls, d.lengthHeader, QStringLiteral(" Longueur"),
           design::twips(120, 480, 1455, 375), palette().color(QPalette::Base));
    header(controls, d.noteHeader, QStringLiteral("Note"), design::twips(1680, 480, 615, 375),
           noteColour);

    const QFont positionFont = design::font("Times New Roman", 12);
    const QFont noteFont = design::font("Arial", 9.75);
    const QFont narrowNoteFont = design::font("MS Sans Serif", 9.75);
    QLineEdit *lengthCell =
        design::textBox(controls, QString::fromLatin1(d.lengthCell),
                        design::twips(PositionLeft, 960, PositionWidth, CellHeight), positionFont);
    QLineEdit *lengthLabel =
        design::textBox(controls, QString::fromLatin1(d.lengthLabelCell),
                        design::twips(NoteLeft, 960, NoteWidth, CellHeight), noteFont);
    design::setBoxText(lengthLabel, QStringLiteral("Diap."));
    design::setBackground(lengthLabel, noteColour);
    lengthCell->setAccessibleName(QStringLiteral("Longueur vibrante"));
    lengthCell->setAccessibleDescription(QStringLiteral("La longueur telle qu'elle est tapée"));
    lengthLabel->setAccessibleName(QStringLiteral("Diapason"));
    lengthCell->installEventFilter(this);
    lengthLabel->installEventFilter(this);

    // The cells fill the columns downwards, in ascending row order, column 0 below the
    // length line and the others from the top.
    QWidget *previous = lengthCell;
    int column = 0;
    int inColumn = 0;
    int fret = 0; // the cells follow the frets from the nut
    for (const dorvane::RowRange &range : d.rows) {
        for (int i = range.first; i <= range.last; ++i) {
            if (inColumn == d.cellsPerColumn[column]) {
                ++column;
                inColumn = 0;
            }
            const int top = (column == 0 ? FirstColumnTop : OtherColumnTop) + CellPitch * inColumn;
            const int shift = ColumnPitch * column;
            QLineEdit *position = design::textBox(
                controls, QStringLiteral("Text1(%1)").arg(i),
                design::twips(PositionLeft + shift, top, PositionWidth, CellHeight), positionFont);
            const bool narrow =
                std::find(d.narrowNotes.begin(), d.narrowNotes.end(), i) != d.narrowNotes.end();
            QLineEdit *note =
                design::textBox(controls, QStringLiteral("Tex1(%1)").arg(i),
                                design::twips(NoteLeft + shift, top, NoteWidth, CellHeight),
                                narrow ? narrowNoteFont : noteFont);
            design::setBackground(note, noteColour);
            design::nameFretBoxes(position, note, ++fret);
            position->installEventFilter(this);
            note->installEventFilter(this);
            QWidget::setTabOrder(previous, position);
            QWidget::setTabOrder(position, note);
            previous = note;
            ++inColumn;
        }
    }
    QWidget::setTabOrder(previous, lengthLabel);

    // The frame and the rule under the scale name, one pixel wide.
    const int right = width() - 1;
    const int bottom = height() - 1;
    line(controls, d.lineNames[0], QRect(0, 0, 1, height()));
    line(controls, d.lineNames[1], QRect(0, 0, width(), 1));
    line(controls, d.lineNames[2], QRect(right, 0, 1, height()));
    line(controls, d.lineNames[3], QRect(0, bottom, width(), 1));
    line(controls, d.lineNames[4], QRect(0, design::pixels(RuleTop), width(), 1));

    controls->show();
    if (auto *first = controls->findChild<QWidget *>(QString::fromLatin1(d.firstFocus)))
        first->setFocus();
}

void ResultSheet::unload()
{
    delete controls;
    controls = nullptr;
}

// Copies the texts of the main window as they stand, character for character.
void ResultSheet::Form_Load(const QWidget &mainWindow)
{
    for (const dorvane::RowRange &range : sheetDesign.rows) {
        for (int i = range.first; i <= range.last; ++i) {
            const QString row = QString::number(i);
            design::setBoxText(controls->findChild<QLineEdit *>("Text1(" + row + ")"),
                               textOf(mainWindow, "Text1(" + row + ")"));
            design::setBoxText(controls->findChild<QLineEdit *>("Tex1(" + row + ")"),
                               textOf(mainWindow, "Sol1(" + row + ")"));
        }
    }
    design::setBoxText(
        controls->findChild<QLineEdit *>(QString::fromLatin1(sheetDesign.lengthCell)),
        textOf(mainWindow, QStringLiteral("Longvib")));
    const auto *scaleList = mainWindow.findChild<const QComboBox *>(QStringLiteral("Combo1"));
    controls->findChild<QLabel *>(QStringLiteral("Label3"))
        ->setText(scaleList ? scaleList->currentText() : QString());
}

QString ResultSheet::cellText(const QString &name) const
{
    return controls ? textOf(*controls, name) : QString();
}

QString ResultSheet::scaleName() const
{
    const auto *label =
        controls ? controls->findChild<QLabel *>(QStringLiteral("Label3")) : nullptr;
    return label ? label->text() : QString();
}

QString ResultSheet::lengthText() const
{
    return cellText(QString::fromLatin1(sheetDesign.lengthCell));
}

// "Zarlino Chromatique 650": what a print job or a PDF file is called.
QString ResultSheet::documentTitle() const
{
    return (scaleName().simplified() + QLatin1Char(' ') + lengthText().simplified()).trimmed();
}

// On a cell, its own editing entries, then the sheet's commands; elsewhere, the commands.
bool ResultSheet::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit || event->type() != QEvent::ContextMenu)
        return QDialog::eventFilter(watched, event);
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    menu->addSeparator();
    menu->addActions(commands);
    menu->exec(static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
}

void ResultSheet::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.addActions(commands);
    menu.exec(event->globalPos());
}

void ResultSheet::print()
{
    // Loaded on the first request and kept: beside the program in its build folder, in its
    // own folder once installed.
    static QLibrary module;
    if (!module.isLoaded()) {
        const QDir here(QCoreApplication::applicationDirPath());
        for (const QString &folder :
             {here.path(), here.filePath(QStringLiteral(DORVANE_MODULES))}) {
            module.setFileName(QDir(folder).filePath(QString::fromLatin1(printing::ModuleFile)));
            if (module.load())
                break;
        }
    }
    const auto printSheet =
        reinterpret_cast<printing::PrintSheet>(module.resolve(printing::EntryPoint));
    if (!printSheet) {
        // The loader's explanation, with its paths, goes to the log; the user is told what
        // cannot be done.
        std::fprintf(stderr, "dorvane: %s\n", qPrintable(module.errorString()));
        dialogs.warning(this, QStringLiteral("Imprimer"),
                        QStringLiteral("L'impression n'est pas possible : le module d'impression "
                                       "« %1 » est introuvable ou illisible.")
                            .arg(QString::fromLatin1(printing::ModuleFile)));
        return;
    }
    QString failure;
    if (printSheet(this, documentTitle(), &failure) == printing::Outcome::Failed)
        dialogs.warning(this, QStringLiteral("Imprimer"), failure);
}

void ResultSheet::saveAsPdf()
{
    const QString proposed =
        QDir(documentsFolder()).filePath(sheet_output::proposedFileName(scaleName(), lengthText()));
    const QString fileName = dialogs.saveFileName(this, proposed);
    if (fileName.isEmpty())
        return; // cancelled
    const QString failure = sheet_output::savePdf(*this, fileName, documentTitle());
    if (!failure.isEmpty())
        dialogs.warning(this, QStringLiteral("Enregistrer en PDF"),
                        QStringLiteral("Le fichier « %1 » n'a pas été enregistré : %2.")
                            .arg(QDir::toNativeSeparators(fileName), failure));
}

// The sheet's rows in their order, each cell as it stands, the user's typing included.
void ResultSheet::copyTable()
{
    QList<sheet_output::Cell> cells;
    for (const dorvane::RowRange &range : sheetDesign.rows) {
        for (int i = range.first; i <= range.last; ++i) {
            const QString row = QString::number(i);
            cells.append({cellText("Text1(" + row + ")"), cellText("Tex1(" + row + ")")});
        }
    }
    const sheet_output::TableText table = sheet_output::tableText(scaleName(), lengthText(), cells);
    auto *data = new QMimeData;
    data->setText(table.plain);
    data->setHtml(table.html);
    QGuiApplication::clipboard()->setMimeData(data);
}
