// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trigram list of the trigram and Ba Zhai windows: its eight items in their order, and what
// each selects — the trigram number, the Ba Zhai fate line, the house diagram and the pages.
#include <array>
#include <string>

struct TrigramItem {
    const char* caption;  // "Цянь", "Кань", ...
    int trigram;          // trigram number 1..8 (1 Цянь, 2 Дуй, ... 8 Кунь)
    int palace;           // palace of the nine-palace square (Кань 1 ... Ли 9)
    const char* fateLine;  // " Западная судьба, Дворец Цянь-гуа, Металл", ...
};

inline constexpr int kTrigramItemCount = 8;

// Items in list order: Цянь, Кань, Гэнь, Чжэнь, Сюнь, Ли, Кунь, Дуй.
extern const std::array<TrigramItem, kTrigramItemCount> TrigramItems;

// The item of a list position 0..7 (out of range: the first item).
const TrigramItem& TrigramItemAt(int index);
// List position of a trigram number 1..8, or of a palace number (1..9 without 5); −1 for none.
int TrigramItemIndexOfTrigram(int trigram);
int TrigramItemIndexOfPalace(int palace);

// Data paths, as written in the program's folder: "\bmp\6.bmp", "\other\baczi\bc6.rtf",
// "\other\gua\1.rtf".
std::string HouseDiagramPath(const TrigramItem& item);
std::string HousePagePath(const TrigramItem& item);
std::string TrigramPagePath(int trigram);
