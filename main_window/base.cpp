// SPDX-License-Identifier: GPL-3.0-or-later
#include "base.h"

#include "design.h"
#include "info.h"
#include "length_reading.h"
#include "result_sheet.h"

#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <utility>
#include <vector>

using namespace dorvane;

namespace
{

// The four columns of the table: their first row and the left of their position boxes.
struct TableColumn {
    int firstRow;
    int textLeft;
};
constexpr TableColumn tableColumns[] = {{0, 120}, {11, 1800}, {21, 3840}, {32, 5520}};
constexpr int RowTop = 480;
constexpr int RowPitch = 480;
constexpr int NameOffset = 960; // from the left of a position box to its name box

const TableColumn &columnOf(int row)
{
    const TableColumn *column = std::begin(tableColumns);
    for (const TableColumn &c : tableColumns) {
        if (row >= c.firstRow)
            column = &c;
    }
    return *column;
}

QLabel *borderedLabel(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    design::setFont(label, design::font("Arial", 8.25));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    design::setBackground(label, design::tooltipBackground());
    return label;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect place)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(place);
    design::setFont(b, design::font("MS Sans Serif", 9.75));
    b->setAutoDefault(false);
    return b;
}

const QColor patternColour(192, 64, 0);
const QColor outOfRangeColour(255, 170, 170);
const QColor partlyReadColour(255, 225, 140);

const char *const outOfRangeTip = "Longueur hors limites";
const char *const partlyReadTip =
    "Seul le point « . » sépare les décimales : le reste du texte est ignoré";

} // namespace

// One entry of the scale list and the steps its choice runs.
struct Base::ScaleChoice {
    const char *text;
    ScaleKind kind;
    void (Base::*showRows)();
    void (Base::*computePositions)();
    void (Base::*labelNotes)(); // null where the positions come with their names
};

// In the order of the list, which is also the order in which a text is recognised.
const Base::ScaleChoice Base::scaleChoices[] = {
    {"Tempérée Diatonique", ScaleKind::TemperedDiatonic, &Base::ShowDiatonicRows,
     &Base::ComputeTemperedDiatonic, &Base::LabelDiatonicNotes},
    {"Tempérée Chromatique", ScaleKind::TemperedChromatic, &Base::ShowChromaticRows,
     &Base::ComputeTemperedChromatic, &Base::LabelChromaticNotes},
    {"Zarlino Diatonique", ScaleKind::ZarlinoDiatonic, &Base::ShowDiatonicRows,
     &Base::ComputeDiatonic, &Base::LabelDiatonicNotes},
    {"Zarlino Chromatique", ScaleKind::ZarlinoChromatic, &Base::ShowZarlinoChromaticRows,
     &Base::ComputeZarlinoChromatic, nullptr},
    {"Zarlino Chromatique simplifiée", ScaleKind::ZarlinoSimplifiedChromatic,
     &Base::ShowChromaticRows, &Base::ComputeSimplifiedChromatic, &Base::LabelChromaticNotes},
    {"Pythagore Diatonique", ScaleKind::PythagoreanDiatonic, &Base::ShowDiatonicRows,
     &Base::ComputeDiatonic, &Base::LabelDiatonicNotes},
    {"Pythagore Chromatique", ScaleKind::PythagoreanChromatic, &Base::ShowPythagoreanChromaticRows,
     &Base::ComputePythagoreanChromatic, nullptr},
    {"Pythagore Chromatique simplifiée", ScaleKind::PythagoreanSimplifiedChromatic,
     &Base::ShowChromaticRows, &Base::ComputeSimplifiedChromatic, &Base::LabelChromaticNotes},
};

QStringList Base::scaleNames()
{
    QStringList names;
    for (const ScaleChoice &choice : scaleChoices)
        names << QString::fromUtf8(choice.text);
    return names;
}

Base::Base(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      background(design::picture(":/resources/background.bmp"))
{
    setObjectName(QStringLiteral("Base"));
    setWindowTitle(QStringLiteral("Dorvane 2.4"));
    setFixedSize(design::pixels(7110), design::pixels(5730));
    setWindowIcon(design::windowIcon());

    const QString separator = QLocale::system().decimalPoint();
    decimalSeparator = separator.isEmpty() ? std::string(".") : separator.toStdString();

    createControls();
    createTable();
    createModeControls();
    setTabOrder();
    Longvib->setFocus();
}

Base::~Base() = default;

void Base::createControls()
{
    Label2 = borderedLabel(this, "Label2", QStringLiteral("  Longueur  vibrante :"),
                           design::twips(0, 0, 1935, 330));

    Longvib = design::textBox(this, QStringLiteral("Longvib"), design::twips(1920, 0, 855, 330),
                              design::font("MS Sans Serif", 8.25));
    design::setBackground(Longvib, palette().color(QPalette::HighlightedText));
    Longvib->setAccessibleName(QStringLiteral("Longueur vibrante"));
    Longvib->setAccessibleDescription(
        QStringLiteral("Longueur de la corde à vide, dans l'unité de votre choix ; seul le point "
                       "« . » sépare les décimales"));
    connect(Longvib, &QLineEdit::textChanged, this, &Base::Longvib_Change);

    Command1 = button(this, "Command1", QStringLiteral("0"), design::twips(2760, 0, 375, 330));
    Command1->setAccessibleName(QStringLiteral("Remise à zéro"));
    Command1->setToolTip(QStringLiteral("Remise à zéro : efface la longueur et le tableau"));
    connect(Command1, &QPushButton::clicked, this, &Base::Command1_Click);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setGeometry(design::twips(3120, 0, 3255, 330));
    design::setFont(Combo1, design::font("Arial", 8.25));
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    // Only a pick from the list chooses a scale: no completion of typed text, and no match
    // of a typed entry when its editing ends.
    Combo1->setCompleter(nullptr);
    disconnect(Combo1->lineEdit(), &QLineEdit::editingFinished, Combo1, nullptr);
    Combo1->addItems(scaleNames());
    Combo1->setMaxVisibleItems(Combo1->count());
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(QStringLiteral("Gamme :"));
    design::setBackground(Combo1, design::tooltipBackground());
    Combo1->setAccessibleName(QStringLiteral("Gamme"));
    Combo1->setAccessibleDescription(
        QStringLiteral("Choisit la gamme dont le tableau donne les frettes"));
    Combo1->lineEdit()->setAccessibleName(QStringLiteral("Nom de la gamme"));
    connect(Combo1, &QComboBox::activated, this, &Base::Combo1_Click);

    Command4 = button(this, "Command4", QString(), design::twips(6360, 0, 375, 330));
    Command4->setIconSize(QSize(16, 16));
    Command4->setIcon(QPixmap::fromImage(design::picture(":/resources/printer.png")));
    Command4->setToolTip(QStringLiteral("Ouvre la feuille de résultats : le tableau en grand, "
                                        "qui s'imprime avec Ctrl+P"));
    Command4->setAccessibleName(QStringLiteral("Feuille de résultats"));

    connect(Command4, &QPushButton::clicked, this, &Base::Command4_Click);

    Command2 = button(this, "Command2", QStringLiteral("?"), design::twips(6730, 0, 375, 330));
    Command2->setAccessibleName(QStringLiteral("À propos"));
    Command2->setToolTip(QStringLiteral("À propos de Dorvane"));
    connect(Command2, &QPushButton::clicked, this, &Base::Command2_Click);
}

void Base::createTable()
{
    const QFont positionFont = design::font("MS Sans Serif", 8.25);
    const QFont noteFont = design::font("Arial", 8.25);
    for (int i = 0; i < RowCount; ++i) {
        const TableColumn &column = columnOf(i);
        const int top = RowTop + RowPitch * (i - column.firstRow);

        Text1[i] = design::textBox(this, QStringLiteral("Text1(%1)").arg(i),
                                   design::twips(column.textLeft, top, 855, 285), positionFont);
        Text1[i]->hide();

        Sol1[i] =
            design::textBox(this, QStringLiteral("Sol1(%1)").arg(i),
                            design::twips(column.textLeft + NameOffset, top, 495, 285), noteFont);
        design::setBackground(Sol1[i], design::tooltipBackground());
        Sol1[i]->hide();
    }
}

void Base::createModeControls()
{
    Label1 = borderedLabel(this, "Label1", QStringLiteral(" Structure 1/2 Ton"),
                           design::twips(840, 3940, 1575, 285));

    HScroll1 = new QScrollBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(design::twips(840, 4200, 1575, 285));
    HScroll1->setRange(0, scales::ModeCount - 1);
    HScroll1->setSingleStep(1); // an arrow moves one mode
    HScroll1->setPageStep(2);   // a click in the trough moves two
    HScroll1->setValue(0);
    connect(HScroll1, &QScrollBar::valueChanged, this, &Base::HScroll1_Change);
    HScroll1->setAccessibleDescription(
        QStringLiteral("Choisit l'un des sept modes de la gamme diatonique de Pythagore"));

    Text2 = design::textBox(this, QStringLiteral("Text2"), design::twips(840, 4440, 1575, 285),
                            design::font("Arial", 11.25));
    design::setBackground(Text2, design::scrollBarColour());
    Text2->setAccessibleName(QStringLiteral("Structure du mode"));
    Text2->setAccessibleDescription(
        QStringLiteral("Les tons (2) et demi-tons (1) du mode, de la corde à vide à l'octave"));
    QPalette pattern = Text2->palette();
    pattern.setColor(QPalette::Text, patternColour);
    Text2->setPalette(pattern);

    Label3 = borderedLabel(this, "Label3", QStringLiteral(" Mode de : "),
                           design::twips(840, 4710, 1575, 285));

    for (QWidget *control : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(HScroll1),
                             static_cast<QWidget *>(Text2), static_cast<QWidget *>(Label3)})
        control->hide();
}

void Base::setTabOrder()
{
    // The keyboard order of the design: the length, the first position, "?", the list, the
    // reset, then the table row by row (name before position), the printer and the modes.
    std::vector<std::pair<int, QWidget *>> order = {
        {0, Longvib}, {2, Text1[0]},  {3, Command2},  {4, Combo1}, {5, Command1},
        {6, Sol1[0]}, {91, Command4}, {92, HScroll1}, {93, Text2},
    };
    for (int i = 1; i < RowCount; ++i) {
        order.emplace_back(2 * i + 5, Sol1[i]);
        order.emplace_back(2 * i + 6, Text1[i]);
    }
    std::sort(order.begin(), order.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t k = 1; k < order.size(); ++k)
        QWidget::setTabOrder(order[k - 1].second, order[k].second);
}

void Base::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.drawImage(0, 0, background);
}

// Picking an entry, even the one already shown, clears the table and fills it for that scale.
void Base::Combo1_Click()
{
    const QString text = Combo1->currentText();
    for (const ScaleChoice &choice : scaleChoices) {
        if (text != QString::fromUtf8(choice.text))
            continue;
        ClearTable();
        if (choice.kind == ScaleKind::PythagoreanDiatonic)
            HScroll1->setValue(0); // may run HScroll1_Change at once
        (this->*choice.showRows)();
        scaleKind = choice.kind;
        (this->*choice.computePositions)();
        if (choice.labelNotes)
            (this->*choice.labelNotes)();
        break;
    }
    showModeControls(scaleKind == ScaleKind::PythagoreanDiatonic);
}

void Base::showModeControls(bool visible)
{
    if (visible) {
        HScroll1->show();
        Text2->show();
        Label1->show();
        Label3->show();
        showModeCaption(0);
    } else {
        HScroll1->hide();
        Text2->hide();
        Label1->hide();
        Label3->hide();
    }
}

// Every change of the text stores its value at once; the table is not recomputed.
void Base::Longvib_Change()
{
    const StoredLength stored = LengthFromText(Longvib->text().toStdString());
    vibratingLength = stored.value;
    switch (stored.status) {
    case LengthStatus::Read:
        showLengthState(LengthState::Valid);
        break;
    case LengthStatus::PartlyRead:
        showLengthState(LengthState::PartlyRead);
        break;
    case LengthStatus::OutOfRange:
        showLengthState(LengthState::OutOfRange);
        break;
    }
}

void Base::showLengthState(LengthState state)
{
    if (state == lengthStateShown)
        return;
    lengthStateShown = state;
    QColor colour = palette().color(QPalette::HighlightedText);
    QString tip;
    if (state == LengthState::OutOfRange) {
        colour = outOfRangeColour;
        tip = QString::fromUtf8(outOfRangeTip);
    } else if (state == LengthState::PartlyRead) {
        colour = partlyReadColour;
        tip = QString::fromUtf8(partlyReadTip);
    }
    design::setBackground(Longvib, colour);
    Longvib->setToolTip(tip);
}

void Base::Command1_Click()
{
    Combo1->setEditText(QStringLiteral("Gamme :"));
    Longvib->setText(QString()); // runs Longvib_Change: the length becomes 0
    ClearTable();
}

void Base::Command2_Click()
{
    if (!info)
        info = std::make_unique<Info>();
    info->showModal();
}

// The sheet that fits the last chosen scale: 14 rows for the diatonic kinds (and before any
// choice), 34 for the Pythagorean and 42 for the Zarlino chromatic scale, 24 otherwise.
void Base::Command4_Click()
{
    static const SheetDesign *const designs[] = {&sheets::Capture14, &sheets::Capture24,
                                                 &sheets::Capture34, &sheets::Capture42};
    std::size_t sheet = 1;
    if (static_cast<int>(scaleKind) < 4)
        sheet = 0;
    else if (scaleKind == ScaleKind::PythagoreanChromatic)
        sheet = 2;
    else if (scaleKind == ScaleKind::ZarlinoChromatic)
        sheet = 3;
    if (!resultSheets[sheet])
        resultSheets[sheet] = std::make_unique<ResultSheet>(*designs[sheet]);
    resultSheets[sheet]->showFilledFrom(*this);
}

// The pattern and the name of a mode, the name also for screen readers: "Mode de : Ré".
void Base::showModeCaption(int mode)
{
    design::setBoxText(Text2, QString::fromUtf8(scales::Modes[mode].pattern));
    Label3->setText(QString::fromUtf8(scales::Modes[mode].caption));
    HScroll1->setAccessibleName(Label3->text().trimmed());
}

// Modes of the Pythagorean diatonic scale: 0 is the major scale, 1 to 6 begin on Ré to Si.
void Base::HScroll1_Change()
{
    const Currency half = HalfLength(vibratingLength);
    const int mode = HScroll1->value();
    if (mode < 0 || mode >= scales::ModeCount)
        return;
    showModeCaption(mode);
    if (mode == 0) {
        ComputeDiatonic();
        LabelDiatonicNotes();
        return;
    }
    WritePositions(scales::Modes[mode].rows, vibratingLength, half, *this);
    WriteNotes(scales::Modes[mode].rows, *this);
}

void Base::ClearTable()
{
    for (int i = 0; i < RowCount; ++i) {
        for (QLineEdit *box : {Text1[i], Sol1[i]}) {
            box->hide();
            if (!box->text().isEmpty()) // emptying an empty box would only lay it out again
                box->clear();
        }
        design::nameFretBoxes(Text1[i], Sol1[i], 0);
    }
    showModeControls(false);
}

// The rows of a set in its order, which is the order of its frets from the nut.
void Base::showRows(RowSet rows)
{
    int fret = 0;
    for (const RowRange &range : rows) {
        for (int i = range.first; i <= range.last; ++i) {
            Text1[i]->show();
            Sol1[i]->show();
            design::nameFretBoxes(Text1[i], Sol1[i], ++fret);
        }
    }
}

void Base::ShowDiatonicRows()
{
    showRows(scales::DiatonicRows);
}

void Base::ShowChromaticRows()
{
    showRows(scales::ChromaticRows);
}

void Base::ShowPythagoreanChromaticRows()
{
    showRows(scales::PythagoreanChromaticRows);
}

void Base::ShowZarlinoChromaticRows()
{
    showRows(scales::ZarlinoChromaticRows);
}

void Base::LabelDiatonicNotes()
{
    WriteNotes(scales::DiatonicNotes, *this);
}

void Base::LabelChromaticNotes()
{
    WriteNotes(scales::ChromaticNotes, *this);
}

void Base::ComputeTemperedDiatonic()
{
    WritePositions(scales::TemperedDiatonic, vibratingLength, Currency{}, *this);
}

void Base::ComputeTemperedChromatic()
{
    WritePositions(scales::TemperedChromatic, vibratingLength, Currency{}, *this);
}

// The shared rows first; the third, sixth and seventh only for Zarlino or Pythagoras.
void Base::ComputeDiatonic()
{
    const Currency half = HalfLength(vibratingLength);
    WritePositions(scales::DiatonicShared, vibratingLength, half, *this);
    if (scaleKind == ScaleKind::ZarlinoDiatonic)
        WritePositions(scales::ZarlinoDiatonicOwn, vibratingLength, half, *this);
    else if (scaleKind == ScaleKind::PythagoreanDiatonic)
        WritePositions(scales::PythagoreanDiatonicOwn, vibratingLength, half, *this);
}

// Zarlino's ratios for kind 6, Pythagoras' for any other kind.
void Base::ComputeSimplifiedChromatic()
{
    const Currency half = HalfLength(vibratingLength);
    WritePositions(scales::SimplifiedShared, vibratingLength, half, *this);
    WritePositions(scaleKind == ScaleKind::ZarlinoSimplifiedChromatic
                       ? scales::ZarlinoSimplifiedOwn
                       : scales::PythagoreanSimplifiedOwn,
                   vibratingLength, half, *this);
}

void Base::ComputePythagoreanChromatic()
{
    const Currency half = HalfLength(vibratingLength);
    WritePositions(scales::PythagoreanChromatic, vibratingLength, half, *this);
    WriteNotes(scales::PythagoreanChromatic, *this);
}

void Base::ComputeZarlinoChromatic()
{
    const Currency half = HalfLength(vibratingLength);
    WritePositions(scales::ZarlinoChromatic, vibratingLength, half, *this);
    WriteNotes(scales::ZarlinoChromatic, *this);
}

void Base::writePosition(int row, Currency position)
{
    const ShortText text = CurrencyText(position, decimalSeparator);
    const std::string_view chars = text.view();
    design::setBoxText(Text1[row],
                       QString::fromUtf8(chars.data(), static_cast<qsizetype>(chars.size())));
}

void Base::writeNote(int row, std::string_view note)
{
    design::setBoxText(Sol1[row],
                       QString::fromUtf8(note.data(), static_cast<qsizetype>(note.size())));
}
