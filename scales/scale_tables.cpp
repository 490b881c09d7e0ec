// SPDX-License-Identifier: GPL-3.0-or-later
// Every scale as data: the frets of each, counted from the nut from 0, the names shared by
// several scales, the modes and the eight systems of the list.
#include "systems.h"

namespace dorvane
{

namespace scales
{

namespace
{

// The names of the diatonic scales, and of the chromatic scales with one note a semitone.
constexpr NoteName diatonicNotes[] = {
    {0, "Ré"}, {1, "Mi"}, {2, "Fa"}, {3, "Sol"},  {4, "La"},  {5, "Si"},  {6, "Do"},
    {7, "Ré"}, {8, "Mi"}, {9, "Fa"}, {10, "Sol"}, {11, "La"}, {12, "Si"}, {13, "Do"},
};

constexpr NoteName chromaticNotes[] = {
    {0, "Do #"},  {1, "Ré"},     {2, "Mi b"},  {3, "Mi"},    {4, "Fa"},  {5, "Fa #"},
    {6, "Sol"},   {7, "Sol #"},  {8, "La"},    {9, "Si b"},  {10, "Si"}, {11, "Do"},
    {12, "Do #"}, {13, "Ré"},    {14, "Mi b"}, {15, "Mi"},   {16, "Fa"}, {17, "Fa #"},
    {18, "Sol"},  {19, "Sol #"}, {20, "La"},   {21, "Si b"}, {22, "Si"}, {23, "Do"},
};

// The major scale over two octaves, in semitones above the open string.
constexpr ScaleRow temperedDiatonic[] = {
    {0, "", Semitones(2)},   {1, "", Semitones(4)},   {2, "", Semitones(5)},
    {3, "", Semitones(7)},   {4, "", Semitones(9)},   {5, "", Semitones(11)},
    {6, "", Semitones(12)},  {7, "", Semitones(14)},  {8, "", Semitones(16)},
    {9, "", Semitones(17)},  {10, "", Semitones(19)}, {11, "", Semitones(21)},
    {12, "", Semitones(23)}, {13, "", Semitones(24)},
};

// One semitone a fret, from 1 to 24.
constexpr ScaleRow temperedChromatic[] = {
    {0, "", Semitones(1)},   {1, "", Semitones(2)},   {2, "", Semitones(3)},
    {3, "", Semitones(4)},   {4, "", Semitones(5)},   {5, "", Semitones(6)},
    {6, "", Semitones(7)},   {7, "", Semitones(8)},   {8, "", Semitones(9)},
    {9, "", Semitones(10)},  {10, "", Semitones(11)}, {11, "", Semitones(12)},
    {12, "", Semitones(13)}, {13, "", Semitones(14)}, {14, "", Semitones(15)},
    {15, "", Semitones(16)}, {16, "", Semitones(17)}, {17, "", Semitones(18)},
    {18, "", Semitones(19)}, {19, "", Semitones(20)}, {20, "", Semitones(21)},
    {21, "", Semitones(22)}, {22, "", Semitones(23)}, {23, "", Semitones(24)},
};

// Second, fourth, fifth and the two octaves: the same in just and Pythagorean tuning.
constexpr ScaleRow diatonicShared[] = {
    {0, "", OnLength(9, 8)}, {2, "", OnLength(4, 3)}, {3, "", OnLength(3, 2)},
    {6, "", HalfShown},      {7, "", OnHalf(9, 8)},   {9, "", OnHalf(4, 3)},
    {10, "", OnHalf(3, 2)},  {13, "", DoubleOctave},
};

// Third, sixth and seventh of the just major scale.
constexpr ScaleRow zarlinoDiatonicOwn[] = {
    {1, "", OnLength(5, 4)}, {4, "", OnLength(5, 3)}, {5, "", OnLength(15, 8)},
    {8, "", OnHalf(5, 4)},   {11, "", OnHalf(5, 3)},  {12, "", OnHalf(15, 8)},
};

// Third, sixth and seventh by pure fifths.
constexpr ScaleRow pythagoreanDiatonicOwn[] = {
    {1, "", OnLength(81, 64)}, {4, "", OnLength(27, 16)}, {5, "", OnLength(243, 128)},
    {8, "", OnHalf(81, 64)},   {11, "", OnHalf(27, 16)},  {12, "", OnHalf(243, 128)},
};

// Ré, Fa, Sol and the two Do, common to both simplified chromatic scales.
constexpr ScaleRow simplifiedShared[] = {
    {1, "", OnLength(9, 8)}, {4, "", OnLength(4, 3)}, {6, "", OnLength(3, 2)},
    {11, "", Difference},    {13, "", OnHalf(9, 8)},  {16, "", OnHalf(4, 3)},
    {18, "", OnHalf(3, 2)},  {23, "", DoubleOctave},
};

// Sharps raised by 25/24 and flats lowered by 24/25 from the just major scale.
constexpr ScaleRow zarlinoSimplifiedOwn[] = {
    {0, "", OnLength(25, 24)}, {2, "", OnLength(6, 5)},   {3, "", OnLength(5, 4)},
    {5, "", OnLength(25, 18)}, {7, "", OnLength(25, 16)}, {8, "", OnLength(5, 3)},
    {9, "", OnLength(9, 5)},   {10, "", OnLength(15, 8)}, {12, "", OnHalf(25, 24)},
    {14, "", OnHalf(6, 5)},    {15, "", OnHalf(5, 4)},    {17, "", OnHalf(25, 18)},
    {19, "", OnHalf(25, 16)},  {20, "", OnHalf(5, 3)},    {21, "", OnHalf(9, 5)},
    {22, "", OnHalf(15, 8)},
};

// The chain of fifths from Mi b to Sol #.
constexpr ScaleRow pythagoreanSimplifiedOwn[] = {
    {0, "", OnLength(2187, 2048)}, {2, "", OnLength(32, 27)},     {3, "", OnLength(81, 64)},
    {5, "", OnLength(729, 512)},   {7, "", OnLength(6561, 4096)}, {8, "", OnLength(27, 16)},
    {9, "", OnLength(16, 9)},      {10, "", OnLength(243, 128)},  {12, "", OnHalf(2187, 2048)},
    {14, "", OnHalf(32, 27)},      {15, "", OnHalf(81, 64)},      {17, "", OnHalf(729, 512)},
    {19, "", OnHalf(6561, 4096)},  {20, "", OnHalf(27, 16)},      {21, "", OnHalf(16, 9)},
    {22, "", OnHalf(243, 128)},
};

// Seventeen notes an octave, the chain of fifths from Sol b to La #, in ascending pitch.
constexpr ScaleRow pythagoreanChromatic[] = {
    {0, "Ré b", OnLength(256, 243)},
    {1, "Do #", OnLength(2187, 2048)},
    {2, "Ré", OnLength(9, 8)},
    {3, "Mi b", OnLength(32, 27)},
    {4, "Ré #", OnLength(19683, 16384)},
    {5, "Mi", OnLength(81, 64)},
    {6, "Fa", OnLength(4, 3)},
    {7, "Sol b", OnLength(1024, 729)},
    {8, "Fa #", OnLength(729, 512)},
    {9, "Sol", OnLength(3, 2)},
    {10, "La b", OnLength(128, 81)},
    {11, "Sol #", OnLength(6561, 4096)},
    {12, "La", OnLength(27, 16)},
    {13, "Si b", OnLength(16, 9)},
    {14, "La #", OnLength(59049, 32768)},
    {15, "Si", OnLength(243, 128)},
    {16, "Do", Difference},
    {17, "Ré b", OnHalf(256, 243)},
    {18, "Do #", OnHalf(2187, 2048)},
    {19, "Ré", OnHalf(9, 8)},
    {20, "Mi b", OnHalf(32, 27)},
    {21, "Ré #", OnHalf(19683, 16384)},
    {22, "Mi", OnHalf(81, 64)},
    {23, "Fa", OnHalf(4, 3)},
    {24, "Sol b", OnHalf(1024, 729)},
    {25, "Fa #", OnHalf(729, 512)},
    {26, "Sol", OnHalf(3, 2)},
    {27, "La b", OnHalf(128, 81)},
    {28, "Sol #", OnHalf(6561, 4096)},
    {29, "La", OnHalf(27, 16)},
    {30, "Si b", OnHalf(16, 9)},
    {31, "La #", OnHalf(59049, 32768)},
    {32, "Si", OnHalf(243, 128)},
    {33, "Do", DoubleOctave},
};

// Twenty-one notes an octave: every natural note with its sharp (x 25/24) and flat (x 24/25).
constexpr ScaleRow zarlinoChromatic[] = {
    {0, "Do #", OnLength(25, 24)},   {1, "Ré b", OnLength(27, 25)},   {2, "Ré", OnLength(9, 8)},
    {3, "Ré #", OnLength(75, 64)},   {4, "Mi b", OnLength(6, 5)},     {5, "Mi", OnLength(5, 4)},
    {6, "Fa b", OnLength(32, 25)},   {7, "Mi #", OnLength(125, 96)},  {8, "Fa", OnLength(4, 3)},
    {9, "Fa #", OnLength(25, 18)},   {10, "Sol b", OnLength(36, 25)}, {11, "Sol", OnLength(3, 2)},
    {12, "Sol #", OnLength(25, 16)}, {13, "La b", OnLength(8, 5)},    {14, "La", OnLength(5, 3)},
    {15, "La #", OnLength(125, 72)}, {16, "Si b", OnLength(9, 5)},    {17, "Si", OnLength(15, 8)},
    {18, "Do b", OnLength(48, 25)},  {19, "Si #", OnLength(125, 64)}, {20, "Do", Difference},
    {21, "Do #", OnHalf(25, 24)},    {22, "Ré b", OnHalf(27, 25)},    {23, "Ré", OnHalf(9, 8)},
    {24, "Ré #", OnHalf(75, 64)},    {25, "Mi b", OnHalf(6, 5)},      {26, "Mi", OnHalf(5, 4)},
    {27, "Fa b", OnHalf(32, 25)},    {28, "Mi #", OnHalf(125, 96)},   {29, "Fa", OnHalf(4, 3)},
    {30, "Fa #", OnHalf(25, 18)},    {31, "Sol b", OnHalf(36, 25)},   {32, "Sol", OnHalf(3, 2)},
    {33, "Sol #", OnHalf(25, 16)},   {34, "La b", OnHalf(8, 5)},      {35, "La", OnHalf(5, 3)},
    {36, "La #", OnHalf(125, 72)},   {37, "Si b", OnHalf(9, 5)},      {38, "Si", OnHalf(15, 8)},
    {39, "Do b", OnHalf(48, 25)},    {40, "Si #", OnHalf(125, 64)},   {41, "Do", DoubleOctave},
};

// Modes on Ré to Si: the second to seventh degrees of each, as Pythagorean ratios, followed
// by the two Do so that the octaves always follow the current length. The mode names keep their
// own spelling ("sol #" in the second octave of La).
constexpr ScaleRow modeRe[] = {
    {0, "Ré", OnLength(9, 8)},  {1, "Mi b", OnLength(32, 27)}, {2, "Fa", OnLength(4, 3)},
    {3, "Sol", OnLength(3, 2)}, {4, "La", OnLength(27, 16)},   {5, "Si b", OnLength(16, 9)},
    {7, "Ré", OnHalf(9, 8)},    {8, "Mi b", OnHalf(32, 27)},   {9, "Fa", OnHalf(4, 3)},
    {10, "Sol", OnHalf(3, 2)},  {11, "La", OnHalf(27, 16)},    {12, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},         {13, "", DoubleOctave},
};

constexpr ScaleRow modeMi[] = {
    {0, "Do #", OnLength(2187, 2048)},
    {1, "Mi b", OnLength(32, 27)},
    {2, "Fa", OnLength(4, 3)},
    {3, "Sol", OnLength(3, 2)},
    {4, "Sol #", OnLength(6561, 4096)},
    {5, "Si b", OnLength(16, 9)},
    {7, "Do #", OnHalf(2187, 2048)},
    {8, "Mi b", OnHalf(32, 27)},
    {9, "Fa", OnHalf(4, 3)},
    {10, "Sol", OnHalf(3, 2)},
    {11, "Sol #", OnHalf(6561, 4096)},
    {12, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},
    {13, "", DoubleOctave},
};

constexpr ScaleRow modeFa[] = {
    {0, "Ré", OnLength(9, 8)},  {1, "Mi", OnLength(81, 64)}, {2, "Fa #", OnLength(729, 512)},
    {3, "Sol", OnLength(3, 2)}, {4, "La", OnLength(27, 16)}, {5, "Si", OnLength(243, 128)},
    {7, "Ré", OnHalf(9, 8)},    {8, "Mi", OnHalf(81, 64)},   {9, "Fa #", OnHalf(729, 512)},
    {10, "Sol", OnHalf(3, 2)},  {11, "La", OnHalf(27, 16)},  {12, "Si", OnHalf(243, 128)},
    {6, "", HalfShown},         {13, "", DoubleOctave},
};

constexpr ScaleRow modeSol[] = {
    {0, "Ré", OnLength(9, 8)},  {1, "Mi", OnLength(81, 64)}, {2, "Fa", OnLength(4, 3)},
    {3, "Sol", OnLength(3, 2)}, {4, "La", OnLength(27, 16)}, {5, "Si b", OnLength(16, 9)},
    {7, "Ré", OnHalf(9, 8)},    {8, "Mi", OnHalf(81, 64)},   {9, "Fa", OnHalf(4, 3)},
    {10, "Sol", OnHalf(3, 2)},  {11, "La", OnHalf(27, 16)},  {12, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},         {13, "", DoubleOctave},
};

constexpr ScaleRow modeLa[] = {
    {0, "Ré", OnLength(9, 8)},
    {1, "Mi b", OnLength(32, 27)},
    {2, "Fa", OnLength(4, 3)},
    {3, "Sol", OnLength(3, 2)},
    {4, "Sol #", OnLength(6561, 4096)},
    {5, "Si b", OnLength(16, 9)},
    {7, "Ré", OnHalf(9, 8)},
    {8, "Mi b", OnHalf(32, 27)},
    {9, "Fa", OnHalf(4, 3)},
    {10, "Sol", OnHalf(3, 2)},
    {11, "sol #", OnHalf(6561, 4096)},
    {12, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},
    {13, "", DoubleOctave},
};

constexpr ScaleRow modeSi[] = {
    {0, "Do #", OnLength(2187, 2048)},
    {1, "Mi b", OnLength(32, 27)},
    {2, "Fa", OnLength(4, 3)},
    {3, "Fa #", OnLength(729, 512)},
    {4, "Sol #", OnLength(6561, 4096)},
    {5, "Si b", OnLength(16, 9)},
    {7, "Do #", OnHalf(2187, 2048)},
    {8, "Mi b", OnHalf(32, 27)},
    {9, "Fa", OnHalf(4, 3)},
    {10, "Fa #", OnHalf(729, 512)},
    {11, "Sol #", OnHalf(6561, 4096)},
    {12, "Si b", OnHalf(16, 9)},
    {6, "", HalfShown},
    {13, "", DoubleOctave},
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
     .own = temperedDiatonic,
     .notes = diatonicNotes,
     .sheet = Sheet::Rows14},
    {.name = "Tempérée Chromatique",
     .kind = ScaleKind::TemperedChromatic,
     .own = temperedChromatic,
     .notes = chromaticNotes,
     .sheet = Sheet::Rows24},
    {.name = "Zarlino Diatonique",
     .kind = ScaleKind::ZarlinoDiatonic,
     .shared = diatonicShared,
     .own = zarlinoDiatonicOwn,
     .notes = diatonicNotes,
     .sheet = Sheet::Rows14},
    {.name = "Zarlino Chromatique",
     .kind = ScaleKind::ZarlinoChromatic,
     .own = zarlinoChromatic,
     .sheet = Sheet::Rows42},
    {.name = "Zarlino Chromatique simplifiée",
     .kind = ScaleKind::ZarlinoSimplifiedChromatic,
     .shared = simplifiedShared,
     .own = zarlinoSimplifiedOwn,
     .notes = chromaticNotes,
     .sheet = Sheet::Rows24},
    {.name = "Pythagore Diatonique",
     .kind = ScaleKind::PythagoreanDiatonic,
     .shared = diatonicShared,
     .own = pythagoreanDiatonicOwn,
     .notes = diatonicNotes,
     .sheet = Sheet::Rows14,
     .hasModes = true},
    {.name = "Pythagore Chromatique",
     .kind = ScaleKind::PythagoreanChromatic,
     .own = pythagoreanChromatic,
     .sheet = Sheet::Rows34},
    {.name = "Pythagore Chromatique simplifiée",
     .kind = ScaleKind::PythagoreanSimplifiedChromatic,
     .shared = simplifiedShared,
     .own = pythagoreanSimplifiedOwn,
     .notes = chromaticNotes,
     .sheet = Sheet::Rows24},
};

} // namespace

const NoteNames DiatonicNotes = diatonicNotes;
const NoteNames ChromaticNotes = chromaticNotes;

const std::string_view OpenStringNote = "Do";

constexpr NaturalNote naturalNotes[] = {{"Do", 0},  {"Ré", 2}, {"Mi", 4}, {"Fa", 5},
                                        {"Sol", 7}, {"La", 9}, {"Si", 11}};
const std::span<const NaturalNote, 7> NaturalNotes = naturalNotes;

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
