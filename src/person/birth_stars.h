// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sex-dependent rules of the birth stars: a woman's star numbers are mirrored, the personal
// trigram number (Gua) follows from the year star, and each star is captioned for its sex.
#include <string>

// A woman's star of the nine: 1→5, 2→4, 3→3, 4→2, 5→1, 6→9, 7→8, 8→7, 9→6. Numbers outside 1..9
// are returned unchanged.
int WStar(int star);

// The person's trigram number from the birth year star as displayed (after the woman's mirror):
// the star itself, except 5, which becomes 2 for a man and 8 for a woman.
int GuaNumber(int displayedYearStar, bool male);

// True for the East group (Gua 1, 3, 4, 9); the West group is 2, 6, 7, 8.
bool IsEastGroup(int guaNumber);

// "Восточная судьба, Дворец Кань гуа, Вода" … "Западная судьба, Дворец Гэнь гуа, Почва";
// empty for a number that is no Gua (5 or outside 1..9).
std::string BaZhaiText(int guaNumber);

// The text after a star number n: the person's own star, then " / " and the matching star of the
// other sex ("белая (Вода-ян) / 5 желтая (Почва-инь)" for a man's 1). Empty outside 1..9.
std::string ScriptStarRod(bool male, int star);

// A star label: the number, one blank and ScriptStarRod.
std::string StarLabelText(bool male, int star);
