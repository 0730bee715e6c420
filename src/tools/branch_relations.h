// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Relations of two earthly branches: the day officer the second branch has against the first,
// and whether the two combine (the six harmonies) or clash (branches six apart).
#include <string>
#include <vector>

#include "calendar/vocabulary.h"

// "Цзянь. Установление (1)" ... "Би. Ограничение (12)" for officers 1..12; empty outside.
const std::string& OfficerName(int officer);

// Officer of an additional branch against a base branch: the same rule as the day officer of a
// day branch in a solar month (equal branches give officer 1).
int OfficerOfBranches(Branch base, Branch additional);

enum class BranchHarmony { Neutral, Combine, Clash };

// The order of the two branches does not matter. Цзы–Чоу, Инь–Хай, Мао–Сюй, Чэнь–Ю, Сы–Шэнь and
// У–Вэй combine; branches six apart clash; every other pair is neutral.
BranchHarmony HarmonyOfBranches(Branch a, Branch b);

// "сочетаются", "НЕ сочетаются", or empty for a neutral pair.
const std::string& HarmonyWord(BranchHarmony harmony);

// ----------------------------------------------------------------------------- all relations
// The relations of two branches as the relations window and the choice of days both show them,
// from the one table below. A pair may stand in several at once (Инь–Сы: harm and punishment).
enum class BranchRelation {
    Clash,  // branches six apart (Цзы–У, ...)
    SixCombination,  // Цзы–Чоу, Инь–Хай, Мао–Сюй, Чэнь–Ю, Сы–Шэнь, У–Вэй
    ThreeHarmony,  // two of one triangle: Шэнь–Цзы–Чэнь, Хай–Мао–Вэй, Инь–У–Сюй, Сы–Ю–Чоу
    Harm,  // Цзы–Вэй, Чоу–У, Инь–Сы, Мао–Чэнь, Шэнь–Хай, Ю–Сюй
    Punishment,  // Инь–Сы–Шэнь, Чоу–Сюй–Вэй, Цзы–Мао, and Чэнь, У, Ю, Хай with themselves
};
inline constexpr BranchRelation kAllBranchRelations[] = {
    BranchRelation::Clash, BranchRelation::SixCombination, BranchRelation::ThreeHarmony,
    BranchRelation::Harm, BranchRelation::Punishment};

// Whether the pair (in either order) stands in the relation; false for invalid branches.
bool HasBranchRelation(Branch a, Branch b, BranchRelation relation);
// Every relation of the pair, in the order of kAllBranchRelations.
std::vector<BranchRelation> RelationsOfBranches(Branch a, Branch b);
// "столкновение", "шесть соединений", "три гармонии", "вред", "наказание".
const std::string& BranchRelationName(BranchRelation relation);
// The names of every relation of the pair joined by ", "; empty when there is none.
std::string RelationsText(Branch a, Branch b);
