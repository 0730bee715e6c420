// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words the almanac prints beside the program's own: the characters of stems and branches,
// the animals of the branches and the eight directions.
#include <string>

#include "calendar/vocabulary.h"

// "甲" .. "癸", "子" .. "亥" (out of range: "").
const char* StemHanzi(Stem stem);
const char* BranchHanzi(Branch branch);
// "甲子": the pillar in characters.
std::string PillarHanzi(Pillar p);

// "Крыса", "Бык", "Тигр" .. "Свинья".
const char* AnimalName(Branch branch);

// The eight directions of the trigrams, clockwise from north.
enum class Direction { N, NE, E, SE, S, SW, W, NW };
// As the program's compass captions them: "С", "СВ", "В", "ЮВ", "Ю", "ЮЗ", "З", "СЗ".
const char* DirectionName(Direction d);
// For files and scripts: "N", "NE", ... "NW".
const char* DirectionCode(Direction d);
