// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/yin_yang_legend.h"

const char* const kYangColumnCaption = "Звезды ян";
const char* const kYinColumnCaption = "Звезды инь";

const std::array<LegendRow, 9>& YinYangLegend() {
    // The texts as the legend has always shown them, "белыая" of the fifth row included.
    static const std::array<LegendRow, 9> rows = {{
        {{"1 белая (Вода)", Element::Water}, {"5 желтая (Почва)", Element::Earth}},
        {{"2 черная (Почва)", Element::Earth}, {"4 зеленая (Дерево)", Element::Wood}},
        {{"3 бирюзовая (Дерево)", Element::Wood}, {"3 бирюзовая (Дерево)", Element::Wood}},
        {{"4 зеленая (Дерево)", Element::Wood}, {"2 черная (Почва)", Element::Earth}},
        {{"5 желтая (Почва)", Element::Earth}, {"1 белыая (Вода)", Element::Water}},
        {{"6 белая (Металл)", Element::Metal}, {"9 пурпурная (Огонь)", Element::Fire}},
        {{"7 алая (Металл)", Element::Metal}, {"8 белая (Почва)", Element::Earth}},
        {{"8 белая (Почва)", Element::Earth}, {"7 алая (Металл)", Element::Metal}},
        {{"9 пурпурная (Огонь)", Element::Fire}, {"6 белая (Металл)", Element::Metal}},
    }};
    return rows;
}

Rgb ElementSquareColour(Element element) {
    switch (element) {
        case Element::Water: return {0, 0, 0};
        case Element::Earth: return {224, 191, 1};
        case Element::Wood: return {84, 168, 169};
        case Element::Metal: return {255, 255, 255};
        case Element::Fire: return {210, 16, 0};
    }
    return {0, 0, 0};
}
