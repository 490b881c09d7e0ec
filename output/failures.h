// SPDX-License-Identifier: GPL-3.0-or-later
// Every failure in the user's words, French: the one place where the windows and the command
// line find them.
#pragma once

#include "result.h"

#include <QString>

namespace output
{

// Why, as a part of a sentence without its final point: "le disque est plein", "la largeur des
// fentes doit être inférieure au plus petit écart entre deux frettes, 1,4575 entre les frettes
// 40 et 41". A failure of a setting whose subject names it ("--slot 1.5") begins with it: "« --slot
// 1.5 » : la largeur des fentes…". Figures are written with the regional separator, or with the
// one given.
QString describe(const dorvane::Failure &failure);
QString describe(const dorvane::Failure &failure, const std::string &separator);

// The notes of the seven modes, "Do, Ré, … Si", and the system that has them, quoted:
// "« Pythagore Diatonique »".
QString modeNotes();
QString systemsWithModes();

} // namespace output
