// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <set>
#include <string>

#include "calendar/vocabulary.h"
#include "reference/five_element_analogies.h"
#include "reference/phase_legend.h"

namespace {

TEST(FiveElementAnalogies, HeaderReadsAsTheTableAlwaysHas) {
    const char* expected[] = {"У син",  "Ограны инь",        "Ограны ян", "Окна",
                              "Эмоции", "Природные явления", "Цвета",     "Вкус"};
    for (int c = 0; c < kAnalogyColumns; ++c) EXPECT_STREQ(AnalogyHeader[c], expected[c]);
}

TEST(FiveElementAnalogies, OneRowPerElementEveryCellFilled) {
    std::set<std::string> elements;
    for (const AnalogyRow& row : AnalogyTable) {
        elements.insert(row[0]);
        for (const char* cell : row) EXPECT_STRNE(cell, "");
    }
    for (Element e : {Element::Wood, Element::Fire, Element::Earth, Element::Metal, Element::Water})
        EXPECT_EQ(elements.count(ElementName(e)), 1u) << ElementName(e);
    EXPECT_STREQ(AnalogyTable[0][0], "Дерево");
    EXPECT_STREQ(AnalogyTable[0][7], "Кислый");
    EXPECT_STREQ(AnalogyTable[4][0], "Огонь");
    EXPECT_STREQ(AnalogyTable[4][2], "Тонкая кишка");
    EXPECT_STREQ(AnalogyTable[2][7], "Острый");   // Metal is pungent
    EXPECT_STREQ(AnalogyTable[4][7], "Горький");  // Fire is bitter
}

TEST(PhaseLegend, FivePhasesEachOnceInTheLegendsOrder) {
    const char* captions[] = {"Расцвет (Ван)", "Порождение (Шэн)", "Отступление (Туй)",
                              "Разрушение (Ша)", "Смерть (Сы)"};
    const StarPhase phases[] = {StarPhase::Prosperity, StarPhase::Growth, StarPhase::Retreat,
                                StarPhase::Destruction, StarPhase::Death};
    for (int i = 0; i < 5; ++i) {
        EXPECT_STREQ(PhaseLegendTable[i].caption, captions[i]);
        EXPECT_EQ(PhaseLegendTable[i].phase, phases[i]);
    }
}

}  // namespace
