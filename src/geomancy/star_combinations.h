// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Star combinations of one palace and the small star and branch lookups shared with the reports.
#include <string>

#include "calendar/vocabulary.h"
#include "geomancy/geomantic_table.h"

// The three chart stars of one palace, as the combination rules name them.
struct PalaceStars {
    int facing = 0;    // W
    int base = 0;      // B
    int mountain = 0;  // M
};

// Facing, base and mountain star of a palace (PalaceIndex 0..8, the centre is 8).
PalaceStars PalaceStarsOf(const GeomanticTable& table, PalaceIndex palace);

// Special combination of a palace's stars: "НЕТ." unless a rule matches; of several matching
// rules the last one in the order (auspicious pairs, fighting bulls, piercing heart, crossed
// swords, 2-5-5, 5-7-9) gives the text.
std::string SpecCombination(const PalaceStars& stars);
std::string SpecCombes(const GeomanticTable& table, PalaceIndex palace);

// What the yearly Five Yellow meets in a palace: "В " + palace name + the text of the last
// matching combination (5-3-7, 5-3-2, 5-6-7, 5-2-5, 5-7-9), or "Специальные комбинации для
// летящей Пятерки -- НЕТ." when none matches.
std::string WuShaCombination(PalaceIndex palace, const PalaceStars& stars);
std::string WuShaCombes(const GeomanticTable& table, PalaceIndex palace);

// 1<->5, 2<->4, 3->3, 6<->9, 7<->8; 0 outside 1..9.
int MirrorStar(int star);
// s -> s − 1, 1 -> 9.
int PreviousStar(int star);
// True when (a, b, c) is a permutation of (1, 4, 7), (2, 5, 8) or (3, 6, 9).
bool IsParentTriple(int a, int b, int c);

// The bare branch name ("Цзы" ... "Хай") of a branch 1..12 when `own` is set, otherwise that of
// the opposite (clashing) branch, branch + 6 taken into 1..12; "" outside 1..12. (The one-argument
// BranchName of the vocabulary gives the bare name of the branch itself.)
std::string BranchName(Branch branch, bool own);
// "Цзы (Дом Кань)", "У (Дом Ли)", ...: the bare name and the home palace; "" outside 1..12.
std::string BranchPalaceLabel(Branch branch);
