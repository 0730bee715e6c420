// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The yin/yang legend of the nine stars: each star of the yang series beside its yin counterpart
// (the star mirror 1↔5, 2↔4, 3↔3, 6↔9, 7↔8), with the colour of each star's element.
#include <array>
#include <string>

#include "calendar/rgb.h"
#include "calendar/vocabulary.h"

struct LegendEntry {
    std::string text;  // "1 белая (Вода)"
    Element element;   // colours the square beside it
};

struct LegendRow {
    LegendEntry yang, yin;
};

extern const char* const kYangColumnCaption;  // "Звезды ян"
extern const char* const kYinColumnCaption;   // "Звезды инь"

// The nine rows, yang star 1..9 top to bottom.
const std::array<LegendRow, 9>& YinYangLegend();

// Colour of an element's square: Water black, Earth (224, 191, 1), Wood (84, 168, 169), Metal
// white, Fire (210, 16, 0).
Rgb ElementSquareColour(Element element);
