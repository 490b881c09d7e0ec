// SPDX-License-Identifier: GPL-3.0-or-later
#include "base.h"

#include "design.h"
#include "file_dialogs.h"
#include "info.h"
#include "length_hint.h"
#include "length_reading.h"
#include "regional.h"
#include "result_sheet.h"
#include "version.h"

#include <QComboBox>
#include <QIcon>
#include <QKeyEvent>
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
    design::pressOnEnter(b);
    return b;
}

const QColor patternColour(192, 64, 0);

// The mode bar: Right moves to the next mode and Left to the one before, as on any horizontal
// bar; the toolkit's own scroll bar, made to scroll a view, turns these two round.
class ModeBar : public QScrollBar
{
public:
    using QScrollBar::QScrollBar;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool arrow = event->key() == Qt::Key_Right || event->key() == Qt::Key_Left;
        if (!arrow || event->modifiers() != Qt::NoModifier)
            return QScrollBar::keyPressEvent(event);
        triggerAction(event->key() == Qt::Key_Right ? SliderSingleStepAdd : SliderSingleStepSub);
        event->accept();
    }
};

} // namespace

QStringList Base::scaleNames()
{
    QStringList names;
    for (const ScaleSystem &system : scales::Systems)
        names << QString::fromUtf8(system.name);
    return names;
}

Base::Base(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      background(design::picture(":/resources/background.bmp", devicePixelRatioF()))
{
    setObjectName(QStringLiteral("Base"));
    setWindowTitle(QString::fromLatin1(dorvane::ProgramName));
    setFixedSize(design::pixels(7110), design::pixels(5730));
    setWindowIcon(design::windowIcon());

    decimalSeparator = output::decimalSeparator();
    fileDialogs = std::make_shared<output::FileDialogs>();

    createControls();
    createTable();
    createModeControls();
    createScaleCommands();
    setKeyboardOrder();
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
    lengthHint = new LengthHint(Longvib);
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
    Command4->setIcon(design::icon(":/resources/printer.png"));
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

    HScroll1 = new ModeBar(Qt::Horizontal, this);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(design::twips(840, 4200, 1575, 285));
    HScroll1->setRange(0, scales::ModeCount - 1);
    HScroll1->setSingleStep(1); // an arrow moves one mode
    HScroll1->setPageStep(2);   // a click in the trough moves two
    HScroll1->setValue(0);
    HScroll1->setFocusPolicy(Qt::StrongFocus); // reached with Tab, moved with the arrow keys
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

void Base::setKeyboardOrder()
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
    // Drawn again for a screen of another pixel ratio, where the window has moved.
    if (background.devicePixelRatio() != devicePixelRatioF())
        background = design::picture(":/resources/background.bmp", devicePixelRatioF());
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    painter.drawImage(0, 0, background);
}
