#pragma once
// Relations of two earthly branches: the day officer the second branch has against the first,
// and whether the two combine (the six harmonies) or clash (branches six apart).
#include <string>

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
