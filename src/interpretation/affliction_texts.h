// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The paragraphs of the report on the afflictions of the year and of the season that depend on
// the dwelling's facing: Tai Sui on the facing palace and the Three Killings on the mountain side.
#include <string>

#include "calendar/vocabulary.h"

// "Тай Суй в знаке " + the year branch with its palace + ". Усиливат влияние Дома. ", followed,
// when the year branch lies in the facing palace of azimuth A, by the favourable sentence (FN
// equals the current period C) or the warning naming the clashing branch. A year branch outside
// 1..12 gives an empty name.
std::string TaiSuiString(int FN, int C, Branch yearBranch, double A);

// The Three Killings of the year (year branch) and of the season (month branch): the direction
// sentence, with the warning when A faces away from them (they fall on the mountain). A branch
// outside 1..12 gives "".
std::string ShaYString(Branch yearBranch, double A);
std::string ShaMString(Branch monthBranch, double A);
