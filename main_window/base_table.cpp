// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's table: the rows a scale shows, the table of frets the core computes for it
// written into their boxes, and what a result sheet is given of them.
#include "base.h"

#include "design.h"
#include "length_hint.h"

#include <QComboBox>
#include <QLineEdit>

using namespace dorvane;

namespace
{

// A fret's name as its box shows it, padded as designed: the scales' names to four characters
// ("Ré  ", "Sol ", "Mi b"); the names of the modes on Ré to Si with one blank after a natural
// note ("Ré ", "Sol ") and none after a sharp or a flat, but for two spellings of the mode on La
// ("Ré  " on its first fret, "Sol  " on its eleventh), and the octaves' "Do  " as the scale has
// them.
QString boxNote(const std::string &note, int mode, int fret)
{
    const QString text = QString::fromUtf8(note);
    if (mode == 0 || note == scales::OpenStringNote)
        return text.leftJustified(4);
    constexpr int ModeLa = 5;
    if (mode == ModeLa && (fret == 0 || fret == 10))
        return text + QStringLiteral("  ");
    return text.contains(QLatin1Char(' ')) ? text : text + QLatin1Char(' ');
}

// Whether a row of the table is written: with Rows::ButOctaves, not the octaves' (2/1 and 4/1).
bool written(const Fret &fret, bool butOctaves)
{
    static const Interval octave = Ratio(2, 1), twoOctaves = Ratio(4, 1);
    return !butOctaves || (fret.interval != octave && fret.interval != twoOctaves);
}

} // namespace

// The rows of a set in its order, which is the order of its frets from the nut.
void Base::showRows(design::RowSet rows)
{
    design::forEachRow(rows, [this](int fret, int row) {
        Text1[row]->show();
        Sol1[row]->show();
        design::nameFretBoxes(Text1[row], Sol1[row], fret + 1);
    });
}

// The table of a choice, computed once by the core; its positions go into the rows of its
// system, as the design's Compute steps write them.
void Base::computePositions(const TableChoice &choice, Rows rows)
{
    shown = {choice, TableOf(choice)};
    design::forEachRow(design::rowsOf(choice.system->sheet), [&](int fret, int row) {
        const Fret &entry = shown.table.frets[static_cast<std::size_t>(fret)];
        if (!written(entry, rows == Rows::ButOctaves))
            return;
        const ShortText text = CurrencyText(entry.position, decimalSeparator);
        design::setBoxText(Text1[row], QString::fromUtf8(text.view()));
    });
}

// The names of the table computed last, as the design's Label steps write them.
void Base::labelNotes(Rows rows)
{
    const int mode = shown.choice.system->hasModes ? shown.choice.mode : 0;
    design::forEachRow(design::rowsOf(shown.choice.system->sheet), [&](int fret, int row) {
        const Fret &entry = shown.table.frets[static_cast<std::size_t>(fret)];
        if (written(entry, rows == Rows::ButOctaves))
            design::setBoxText(Sol1[row], boxNote(entry.note, mode, fret));
    });
}

// The major scale of the diatonic system chosen last, Zarlino's or Pythagoras'; for another
// kind, which the choice of a scale then overwrites, Pythagoras'.
void Base::ComputeDiatonic()
{
    const ScaleSystem *chosen = FindSystem(scaleKind);
    const bool diatonic = chosen && (chosen->kind == ScaleKind::ZarlinoDiatonic ||
                                     chosen->kind == ScaleKind::PythagoreanDiatonic);
    computePositions(
        {diatonic ? chosen : FindSystem(ScaleKind::PythagoreanDiatonic), 0, vibratingLength});
}

void Base::LabelDiatonicNotes()
{
    labelNotes();
}

// The text as typed, or the length the table is computed for when the text was not read whole:
// a sheet never shows "647,7" above the figures for 647.
QString Base::lengthText() const
{
    if (lengthStateShown == LengthState::Valid)
        return Longvib->text();
    const ShortText read = CurrencyText(vibratingLength, decimalSeparator);
    return QString::fromUtf8(read.view());
}

// The scale whose table is shown, with its mode; the list's text while the table is empty.
QString Base::scaleText() const
{
    if (!shown.choice.system)
        return Combo1->currentText();
    return QString::fromStdString(TableName(shown.choice));
}

SheetContents Base::sheetContents() const
{
    SheetContents contents;
    for (int i = 0; i < RowCount; ++i) {
        contents.positions[static_cast<std::size_t>(i)] = Text1[i]->text();
        contents.notes[static_cast<std::size_t>(i)] = Sol1[i]->text();
    }
    contents.length = lengthText();
    contents.lengthExplanation =
        lengthStateShown == LengthState::Valid ? QString() : lengthHint->text();
    contents.scaleName = scaleText();
    contents.table = shown.table;
    if (const TableChoice choice = shown.choice; choice.system) {
        contents.tableAt = [choice](Currency length) {
            return TableOf({choice.system, choice.mode, length});
        };
        contents.degrees = DegreesOf(shown.table);
    }
    return contents;
}
