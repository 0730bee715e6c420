// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/trigram_items.h"

const std::array<TrigramItem, kTrigramItemCount> TrigramItems = {{
    {"Цянь", 1, 6, " Западная судьба, Дворец Цянь-гуа, Металл"},
    {"Кань", 6, 1, " Восточная судьба, Дворец Кань-гуа, Вода"},
    {"Гэнь", 7, 8, " Западная судьба, Дворец Гэнь-гуа, Почва"},
    {"Чжэнь", 4, 3, " Восточная судьба, Дворец Чжэнь-гуа, Дерево"},
    {"Сюнь", 5, 4, " Восточная судьба, Дворец Сюнь-гуа, Дерево"},
    {"Ли", 3, 9, " Восточная судьба, Дворец Ли-гуа, Огонь"},
    {"Кунь", 8, 2, " Западная судьба, Дворец Кунь-гуа, Почва"},
    {"Дуй", 2, 7, " Западная судьба, Дворец Дуй-гуа, Металл"},
}};

const TrigramItem& TrigramItemAt(int index) {
    return TrigramItems[index >= 0 && index < kTrigramItemCount ? index : 0];
}

int TrigramItemIndexOfTrigram(int trigram) {
    for (int i = 0; i < kTrigramItemCount; ++i)
        if (TrigramItems[i].trigram == trigram) return i;
    return -1;
}

int TrigramItemIndexOfPalace(int palace) {
    for (int i = 0; i < kTrigramItemCount; ++i)
        if (TrigramItems[i].palace == palace) return i;
    return -1;
}

std::string HouseDiagramPath(const TrigramItem& item) {
    return "\\bmp\\" + std::to_string(item.palace) + ".bmp";
}

std::string HousePagePath(const TrigramItem& item) {
    return "\\other\\baczi\\bc" + std::to_string(item.palace) + ".rtf";
}

std::string TrigramPagePath(int trigram) {
    return "\\other\\gua\\" + std::to_string(trigram) + ".rtf";
}
