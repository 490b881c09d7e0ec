// SPDX-License-Identifier: GPL-3.0-or-later
// Every scale as data: the rows of each table, the names of the row sets, the modes and the
// eight systems of the list.
#include "systems.h"

namespace dorvane
{

namespace scales
{

namespace
{

constexpr RowRange diatonicRows[] = {{0, 6}, {11, 17}};
constexpr RowRange chromaticRows[] = {{0, 5}, {11, 16}, {26, 31}, {37, 42}};
constexpr RowRange pythagoreanChromaticRows[] = {{0, 8}, {11, 18}, {21, 29}, {32, 39}};
constexpr RowRange zarlinoChromaticRows[] = {{0, 20}, {21, 41}};

constexpr NoteRow diatonicNotes[] = {
    {0, "Ré  "},  {1, "Mi  "},  {2, "Fa  "},  {3, "Sol "},  {4, "La  "},
    {5, "Si  "},  {6, "Do  "},  {11, "Ré  "}, {12, "Mi  "}, {13, "Fa  "},
    {14, "Sol "}, {15, "La  "}, {16, "Si  "}, {17, "Do  "},
};

constexpr NoteRow chromaticNotes[] = {
    {0, "Do #"},  {1, "Ré  "},   {2, "Mi b"},  {3, "Mi  "},  {4, "Fa  "},  {5, "Fa #"},
    {11, "Sol "}, {12, "Sol #"}, {13, "La  "}, {14, "Si b"}, {15, "Si  "}, {16, "Do  "},
    {26, "Do #"}, {27, "Ré  "},  {28, "Mi b"}, {29, "Mi  "}, {30, "Fa  "}, {31, "Fa #"},
    {37, "Sol "}, {38, "Sol #"}, {39, "La  "}, {40, "Si b"}, {41, "Si  "}, {42, "Do  "},
};

// The major scale over two octaves, in semitones above the open string.
constexpr ScaleRow temperedDiatonic[] = {
    {0, "", Semitones(2)},   {1, "", Semitones(4)},   {2, "", Semitones(5)},
    {3, "", Semitones(7)},   {4, "", Semitones(9)},   {5, "", Semitones(11)},
    {6, "", Semitones(12)},  {11, "", Semitones(14)}, {12, "", Semitones(16)},
    {13, "", Semitones(17)}, {14, "", Semitones(19)}, {15, "", Semitones(21)},
    {16, "", Semitones(23)}, {17, "", Semitones(24)},
};

// One semitone per row: rows 0-5 are 1 to 6, 11-16 are 7 to 12, 26-31 and 37-42 13 to 24.
constexpr ScaleRow temperedChromatic[] = {
    {0, "", Semitones(1)},   {1, "", Semitones(2)},   {2, "", Semitones(3)},
    {3, "", Semitones(4)},   {4, "", Semitones(5)},   {5, "", Semitones(6)},
    {11, "", Semitones(7)},  {12, "", Semitones(8)},  {13, "", Semitones(9)},
    {14, "", Semitones(10)}, {15, "", Semitones(11)}, {16, "", Semitones(12)},
    {26, "", Semitones(13)}, {27, "", Semitones(14)}, {28, "", Semitones(15)},
    {29, "", Semitones(16)}, {30, "", Semitones(17)}, {31, "", Semitones(18)},
    {37, "", Semitones(19)}, {38, "", Semitones(20)}, {39, "", Semitones(21)},
    {40, "", Semitones(22)}, {41, "", Semitones(23)}, {42, "", Semitones(24)},
};

// Second, fourth, fifth and the two octaves: the same in just and Pythagorean tuning.
constexpr ScaleRow diatonicShared[] = {
    {0, "", OnLength(9, 8)}, {2, "", OnLength(4, 3)}, {3, "", OnLength(3, 2)},
    {6, "", HalfShown},      {11, "", OnHalf(9, 8)},  {13, "", OnHalf(4, 3)},
    {14, "", OnHalf(3, 2)},  {17, "", DoubleOctave},
};

// Third, sixth and seventh of the just major scale.
constexpr ScaleRow zarlinoDiatonicOwn[] = {
    {1, "", OnLength(5, 4)}, {4, "", OnLength(5, 3)}, {5, "", OnLength(15, 8)},
    {12, "", OnHalf(5, 4)},  {15, "", OnHalf(5, 3)},  {16, "", OnHalf(15, 8)},
};

// Third, sixth and seventh by pure fifths.
constexpr ScaleRow pythagoreanDiatonicOwn[] = {
    {1, "", OnLength(81, 64)}, {4, "", OnLength(27, 16)}, {5, "", OnLength(243, 128)},
    {12, "", OnHalf(81, 64)},  {15, "", OnHalf(27, 16)},  {16, "", OnHalf(243, 128)},
};

// Ré, Fa, Sol and the two Do rows, common to both simplified chromatic scales.
constexpr ScaleRow simplifiedShared[] = {
    {1, "", OnLength(9, 8)}, {4, "", OnLength(4, 3)}, {11, "", OnLength(3, 2)},
    {16, "", Difference},    {27, "", OnHalf(9, 8)},  {30, "", OnHalf(4, 3)},
    {37, "", OnHalf(3, 2)},  {42, "", DoubleOctave},
};

// Sharps raised by 25/24 and flats lowered by 24/25 from the just major scale.
constexpr ScaleRow zarlinoSimplifiedOwn[] = {
    {0, "", OnLength(25, 24)}, {2, "", OnLength(6, 5)},    {3, "", OnLength(5, 4)},
    {5, "", OnLength(25, 18)}, {12, "", OnLength(25, 16)}, {13, "", OnLength(5, 3)},
    {14, "", OnLength(9, 5)},  {15, "", OnLength(15, 8)},  {26, "", OnHalf(25, 24)},
    {28, "", OnHalf(6, 5)},    {29, "", OnHalf(5, 4)},     {31, "", OnHalf(25, 18)},
    {38, "", OnHalf(25, 16)},  {39, "", OnHalf(5, 3)},     {40, "", OnHalf(9, 5)},
    {41, "", OnHalf(15, 8)},
};

// The chain of fifths from Mi b to Sol #.
constexpr ScaleRow pythagoreanSimplifiedOwn[] = {
    {0, "", OnLength(2187, 2048)}, {2, "", OnLength(32, 27)},      {3, "", OnLength(81, 64)},
    {5, "", OnLength(729, 512)},   {12, "", OnLength(6561, 4096)}, {13, "", OnLength(27, 16)},
    {14, "", OnLength(16, 9)},     {15, "", OnLength(243, 128)},   {26, "", OnHalf(2187, 2048)},
    {28, "", OnHalf(32, 27)},      {29, "", OnHalf(81, 64)},       {31, "", OnHalf(729, 512)},
    {38, "", OnHalf(6561, 4096)},  {39, "", OnHalf(27, 16)},       {40, "", OnHalf(16, 9)},
    {41, "", OnHalf(243, 128)},
};

// Seventeen notes an octave, the chain of fifths from Sol b to La #, in ascending pitch.
constexpr ScaleRow pythagoreanChromatic[] = {
    {0, "Ré b", OnLength(256, 243)},
    {1, "Do #", OnLength(2187, 2048)},
    {2, "Ré  ", OnLength(9, 8)},
    {3, "Mi b", OnLength(32, 27)},
    {4, "Ré #", OnLength(19683, 16384)},
    {5, "Mi  ", OnLength(81, 64)},
    {6, "Fa  ", OnLength(4, 3)},
    {7, "Sol b", OnLength(1024, 729)},
    {8, "Fa #", OnLength(729, 512)},
    {11, "Sol ", OnLength(3, 2)},
    {12, "La b", OnLength(128, 81)},
    {13, "Sol #", OnLength(6561, 4096)},
    {14, "La  ", OnLength(27, 16)},
    {15, "Si b", OnLength(16, 9)},
    {16, "La #", OnLength(59049, 32768)},
    {17, "Si  ", OnLength(243, 128)},
    {18, "Do  ", Difference},
    {21, "Ré b", OnHalf(256, 243)},
    {22, "Do #", OnHalf(2187, 2048)},
    {23, "Ré  ", OnHalf(9, 8)},
    {24, "Mi b", OnHalf(32, 27)},
    {25, "Ré #", OnHalf(19683, 16384)},
    {26, "Mi  ", OnHalf(81, 64)},
    {27, "Fa  ", OnHalf(4, 3)},
    {28, "Sol b", OnHalf(1024, 729)},
    {29, "Fa #", OnHalf(729, 512)},
    {32, "Sol ", OnHalf(3, 2)},
    {33, "La b", OnHalf(128, 81)},
    {34, "Sol #", OnHalf(6561, 4096)},
    {35, "La  ", OnHalf(27, 16)},
    {36, "Si b", OnHalf(16, 9)},
    {37, "La #", OnHalf(59049, 32768)},
    {38, "Si  ", OnHalf(243, 128)},
    {39, "Do  ", DoubleOctave},
};

// Twenty-one notes an octave: every natural note with its sharp (x 25/24) and flat (x 24/25).
constexpr ScaleRow zarlinoChromatic[] = {
    {0, "Do #", OnLength(25, 24)},   {1, "Ré b", OnLength(27, 25)},   {2, "Ré  ", OnLength(9, 8)},
    {3, "Ré #", OnLength(75, 64)},   {4, "Mi b", OnLength(6, 5)},     {5, "Mi  ", OnLength(5, 4)},
    {6, "Fa b", OnLength(32, 25)},   {7, "Mi #", OnLength(125, 96)},  {8, "Fa  ", OnLength(4, 3)},
    {9, "Fa #", OnLength(25, 18)},   {10, "Sol b", OnLength(36, 25)}, {11, "Sol ", OnLength(3, 2)},
    {12, "Sol #", OnLength(25, 16)}, {13, "La b", OnLength(8, 5)},    {14, "La  ", OnLength(5, 3)},
    {15, "La #", OnLength(125, 72)}, {16, "Si b", OnLength(9, 5)},    {17, "Si  ", OnLength(15, 8)},
    {18, "Do b", OnLength(48, 25)},  {19, "Si #", OnLength(125, 64)}, {20, "Do  ", Difference},
    {21, "Do #", OnHalf(25, 24)},    {22, "Ré b", OnHalf(27, 25)},    {23, "Ré  ", OnHalf(9, 8)},
    {24, "Ré #", OnHalf(75, 64)},    {25, "Mi b", OnHalf(6, 5)},      {26, "Mi  ", OnHalf(5, 4)},
    {27, "Fa b", OnHalf(32, 25)},    {28, "Mi #", OnHalf(125, 96)},   {29, "Fa  ", OnHalf(4, 3)},
    {30, "Fa #", OnHalf(25, 18)},    {31, "Sol b", OnHalf(36, 25)},   {32, "Sol ", OnHalf(3, 2)},
    {33, "Sol #", OnHalf(25, 16)},   {34, "La b", OnHalf(8, 5)},      {35, "La  ", OnHalf(5, 3)},
    {36, "La #", OnHalf(125, 72)},   {37, "Si b", OnHalf(9, 5)},      {38, "Si  ", OnHalf(15, 8)},
    {39, "Do b", OnHalf(48, 25)},    {40, "Si #", OnHalf(125, 64)},   {41, "Do  ", DoubleOctave},
};

// Modes on Ré to Si: the second to seventh degrees of each, as Pythagorean ratios, followed
// by the two Do rows so that the octaves always follow the current length. The mode names
// keep their own spelling ("Ré " with one blank, "sol #" in the second octave of La).
constexpr ScaleRow modeRe[] = {
    {0, "Ré ", OnLength(9, 8)},  {1, "Mi b", OnLength(32, 27)}, {2, "Fa ", OnLength(4, 3)},
    {3, "Sol ", OnLength(3, 2)}, {4, "La ", OnLength(27, 16)},  {5, "Si b", OnLength(16, 9)},
    {11, "Ré ", OnHalf(9, 8)},   {12, "Mi b", OnHalf(32, 27)},  {13, "Fa ", OnHalf(4, 3)},
    {14, "Sol ", OnHalf(3, 2)},  {15, "La ", OnHalf(27, 16)},   {16, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},          {17, "", DoubleOctave},
};

constexpr ScaleRow modeMi[] = {
    {0, "Do #", OnLength(2187, 2048)},
    {1, "Mi b", OnLength(32, 27)},
    {2, "Fa ", OnLength(4, 3)},
    {3, "Sol ", OnLength(3, 2)},
    {4, "Sol #", OnLength(6561, 4096)},
    {5, "Si b", OnLength(16, 9)},
    {11, "Do #", OnHalf(2187, 2048)},
    {12, "Mi b", OnHalf(32, 27)},
    {13, "Fa ", OnHalf(4, 3)},
    {14, "Sol ", OnHalf(3, 2)},
    {15, "Sol #", OnHalf(6561, 4096)},
    {16, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},
    {17, "", DoubleOctave},
};

constexpr ScaleRow modeFa[] = {
    {0, "Ré ", OnLength(9, 8)},  {1, "Mi ", OnLength(81, 64)}, {2, "Fa #", OnLength(729, 512)},
    {3, "Sol ", OnLength(3, 2)}, {4, "La ", OnLength(27, 16)}, {5, "Si ", OnLength(243, 128)},
    {11, "Ré ", OnHalf(9, 8)},   {12, "Mi ", OnHalf(81, 64)},  {13, "Fa #", OnHalf(729, 512)},
    {14, "Sol ", OnHalf(3, 2)},  {15, "La ", OnHalf(27, 16)},  {16, "Si ", OnHalf(243, 128)},
    {6, "", HalfShown},          {17, "", DoubleOctave},
};

constexpr ScaleRow modeSol[] = {
    {0, "Ré ", OnLength(9, 8)},  {1, "Mi ", OnLength(81, 64)}, {2, "Fa ", OnLength(4, 3)},
    {3, "Sol ", OnLength(3, 2)}, {4, "La ", OnLength(27, 16)}, {5, "Si b", OnLength(16, 9)},
    {11, "Ré ", OnHalf(9, 8)},   {12, "Mi ", OnHalf(81, 64)},  {13, "Fa ", OnHalf(4, 3)},
    {14, "Sol ", OnHalf(3, 2)},  {15, "La ", OnHalf(27, 16)},  {16, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},          {17, "", DoubleOctave},
};

constexpr ScaleRow modeLa[] = {
    {0, "Ré  ", OnLength(9, 8)},
    {1, "Mi b", OnLength(32, 27)},
    {2, "Fa ", OnLength(4, 3)},
    {3, "Sol ", OnLength(3, 2)},
    {4, "Sol #", OnLength(6561, 4096)},
    {5, "Si b", OnLength(16, 9)},
    {11, "Ré ", OnHalf(9, 8)},
    {12, "Mi b", OnHalf(32, 27)},
    {13, "Fa ", OnHalf(4, 3)},
    {14, "Sol  ", OnHalf(3, 2)},
    {15, "sol #", OnHalf(6561, 4096)},
    {16, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},
    {17, "", DoubleOctave},
};

constexpr ScaleRow modeSi[] = {
    {0, "Do #", OnLength(2187, 2048)},
    {1, "Mi b", OnLength(32, 27)},
    {2, "Fa ", OnLength(4, 3)},
    {3, "Fa #", OnLength(729, 512)},
    {4, "Sol #", OnLength(6561, 4096)},
    {5, "Si b", OnLength(16, 9)},
    {11, "Do #", OnHalf(2187, 2048)},
    {12, "Mi b", OnHalf(32, 27)},
    {13, "Fa ", OnHalf(4, 3)},
    {14, "Fa #", OnHalf(729, 512)},
    {15, "Sol #", OnHalf(6561, 4096)},
    {16, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},
    {17, "", DoubleOctave},
};

constexpr Mode modes[ModeCount] = {
    {"Do", "  2 2 1 2 2 2 1", "     Mode de : Do", {}},
    {"Ré", "  2 1 2 2 2 1 2", "     Mode de : Ré", modeRe},
    {"Mi", "  1 2 2 2 1 2 2", "     Mode de : Mi", modeMi},
    {"Fa", "  2 2 2 1 2 2 1", "     Mode de : Fa", modeFa},
    {"Sol", "  2 2 1 2 2 1 2", "     Mode de : Sol", modeSol},
    {"La", "  2 1 2 2 1 2 2", "     Mode de : La", modeLa},
    {"Si", "  1 2 2 1 2 2 2", "     Mode de : Si", modeSi},
};

// In the order of the list, which is also the order in which a text is recognised.
constexpr ScaleSystem systems[SystemCount] = {
    {.name = "Tempérée Diatonique",
     .kind = ScaleKind::TemperedDiatonic,
     .rows = diatonicRows,
     .own = temperedDiatonic,
     .notes = diatonicNotes,
     .sheet = Sheet::Rows14},
    {.name = "Tempérée Chromatique",
     .kind = ScaleKind::TemperedChromatic,
     .rows = chromaticRows,
     .own = temperedChromatic,
     .notes = chromaticNotes,
     .sheet = Sheet::Rows24},
    {.name = "Zarlino Diatonique",
     .kind = ScaleKind::ZarlinoDiatonic,
     .rows = diatonicRows,
     .shared = diatonicShared,
     .own = zarlinoDiatonicOwn,
     .notes = diatonicNotes,
     .sheet = Sheet::Rows14},
    {.name = "Zarlino Chromatique",
     .kind = ScaleKind::ZarlinoChromatic,
     .rows = zarlinoChromaticRows,
     .own = zarlinoChromatic,
     .sheet = Sheet::Rows42},
    {.name = "Zarlino Chromatique simplifiée",
     .kind = ScaleKind::ZarlinoSimplifiedChromatic,
     .rows = chromaticRows,
     .shared = simplifiedShared,
     .own = zarlinoSimplifiedOwn,
     .notes = chromaticNotes,
     .sheet = Sheet::Rows24},
    {.name = "Pythagore Diatonique",
     .kind = ScaleKind::PythagoreanDiatonic,
     .rows = diatonicRows,
     .shared = diatonicShared,
     .own = pythagoreanDiatonicOwn,
     .notes = diatonicNotes,
     .sheet = Sheet::Rows14,
     .hasModes = true},
    {.name = "Pythagore Chromatique",
     .kind = ScaleKind::PythagoreanChromatic,
     .rows = pythagoreanChromaticRows,
     .own = pythagoreanChromatic,
     .sheet = Sheet::Rows34},
    {.name = "Pythagore Chromatique simplifiée",
     .kind = ScaleKind::PythagoreanSimplifiedChromatic,
     .rows = chromaticRows,
     .shared = simplifiedShared,
     .own = pythagoreanSimplifiedOwn,
     .notes = chromaticNotes,
     .sheet = Sheet::Rows24},
};

} // namespace

const RowSet DiatonicRows = diatonicRows;
const RowSet ChromaticRows = chromaticRows;
const RowSet PythagoreanChromaticRows = pythagoreanChromaticRows;
const RowSet ZarlinoChromaticRows = zarlinoChromaticRows;

const std::span<const NoteRow> DiatonicNotes = diatonicNotes;
const std::span<const NoteRow> ChromaticNotes = chromaticNotes;

const Scale TemperedDiatonic = temperedDiatonic;
const Scale TemperedChromatic = temperedChromatic;
const Scale DiatonicShared = diatonicShared;
const Scale ZarlinoDiatonicOwn = zarlinoDiatonicOwn;
const Scale PythagoreanDiatonicOwn = pythagoreanDiatonicOwn;
const Scale SimplifiedShared = simplifiedShared;
const Scale ZarlinoSimplifiedOwn = zarlinoSimplifiedOwn;
const Scale PythagoreanSimplifiedOwn = pythagoreanSimplifiedOwn;
const Scale PythagoreanChromatic = pythagoreanChromatic;
const Scale ZarlinoChromatic = zarlinoChromatic;

const std::span<const Mode, ModeCount> Modes = modes;
const std::span<const ScaleSystem, SystemCount> Systems = systems;

} // namespace scales

} // namespace dorvane
