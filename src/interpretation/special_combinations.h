// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The favourable star patterns of a whole chart listed under "Особые комбинации": the Combination
// of Ten, the three-combination of connected numbers and the three-combination of the parents.
// Each check gives exactly one paragraph: its "-- НЕТ." sentence, or the sentence of the last of
// its tests that succeeded.
#include <string>

#include "geomancy/geomantic_table.h"

// Whole chart: in each of Сюнь, Ли and Чжэнь mountain + base, or mountain + facing, or base +
// facing is 10. Otherwise two palaces: a pair of the facing palace (FN + FM, FB + FM, FB + FN) and
// a pair of the mountain palace (SN + SM, SB + SM, SB + SN) both sum to 10.
std::string ChecSpecial_10(const GeomanticTable& table, int FN, int FM, int SN, int SM, int FB,
                           int SB);

// FN = FM with {FN, SM, SN} three consecutive stars of the cycle 1..9, 1, 2 (x, y, z = FN, SN,
// SM); then SN = SM with {SN, FM, FN} consecutive (x, y, z = SN, FM, FN).
std::string ChecSpecial_3_1(int FN, int FM, int SN, int SM);

// With FN = FM: the parents of the house Ли (facing in Ли, Чжэнь or Цянь, and the mountain stars
// and the facing stars of those three palaces each a parent triple), then of the house Кань (Кань,
// Сюнь, Дуй likewise). Whatever FN and FM are: the compound sentence when Гэнь, the centre and
// Кунь each hold a parent triple of their own three stars. Reads the facing azimuth of the table.
std::string ChecSpecial_3_2(const GeomanticTable& table, int FN, int FM);

// Three distinct stars 1..9 that follow one another in the cycle (9 is followed by 1), in any
// order: {1,2,3}, ..., {7,8,9}, {8,9,1}, {9,1,2}.
bool ConsecutiveRun(int a, int b, int c);
