// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed reference tables of the stems and branches: their captions for the table "Стволы и
// ветви", coloured by element, and the organs and meridians of "Органы и меридианы".
#include <string>
#include <vector>

#include "calendar/vocabulary.h"
#include "geomancy/chart_colour.h"

// The text colour of an element in the reference tables: Wood teal, Fire maroon, Earth olive,
// Metal grey, Water black.
Rgb ElementTextColour(Element e);

// "Цзя (Дерево-ян)" .. "Гуй (Вода-инь)"; "" outside 1..10.
std::string StemTableCaption(Stem stem);
// "Цзы (крыса, 23-1, Вода-ян)" .. "Хай (свинья, 21-23, Вода-инь)", with the animal and the hours;
// "" outside 1..12. Two captions say "Земля" where the others say "Почва", as the table always has.
std::string BranchTableCaption(Branch branch);

// The organ of a stem, one line each ("Желчный пузырь"; the third stem has two organs, two
// lines); empty outside 1..10.
std::vector<std::string> OrganOfStem(Stem stem);

struct Meridian {
    std::string name;     // "Меридиан желчного пузыря"
    std::string channel;  // "Малый ян на ноге"
};
// The meridian of a branch and its channel; empty texts outside 1..12.
Meridian MeridianOfBranch(Branch branch);
