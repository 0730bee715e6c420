// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/vocabulary.h"
#include "tools/trigram_drawing.h"
#include "tools/trigram_items.h"

namespace {

TEST(TrigramDrawing, BarsOfEveryTrigramTopToBottom) {
    constexpr bool S = true, B = false;
    const std::array<bool, 3> expected[8] = {
        {S, S, S},  // 1 Цянь
        {B, S, S},  // 2 Дуй
        {S, B, S},  // 3 Ли
        {B, B, S},  // 4 Чжэнь
        {S, S, B},  // 5 Сюнь
        {B, S, B},  // 6 Кань
        {S, B, B},  // 7 Гэнь
        {B, B, B},  // 8 Кунь
    };
    for (int no = 1; no <= 8; ++no) EXPECT_EQ(TrigramBars(no), expected[no - 1]) << no;
}

TEST(TrigramDrawing, RectanglesOfSolidAndBrokenBars) {
    // Ли: solid, broken, solid.
    const std::vector<QRect> li = TrigramRectangles(3);
    ASSERT_EQ(li.size(), 4u);
    EXPECT_EQ(li[0], QRect(0, 0, 50, 8));
    EXPECT_EQ(li[1], QRect(0, 16, 20, 8));
    EXPECT_EQ(li[2], QRect(30, 16, 20, 8));
    EXPECT_EQ(li[3], QRect(0, 32, 50, 8));
    EXPECT_EQ(TrigramRectangles(8).size(), 6u);
    // Everything inside the 50 × 40 box.
    for (int no = 1; no <= 8; ++no)
        for (const QRect& r : TrigramRectangles(no))
            EXPECT_TRUE(QRect(0, 0, kTrigramWidth, kTrigramHeight).contains(r)) << no;
}

TEST(TrigramItems, TheListAndWhatEachItemSelects) {
    struct Row {
        const char* caption;
        int trigram;
        const char* fate;
        const char* diagram;
        const char* house;
        const char* page;
    };
    const Row rows[8] = {
        {"Цянь", 1, " Западная судьба, Дворец Цянь-гуа, Металл", "\\bmp\\6.bmp",
         "\\other\\baczi\\bc6.rtf", "\\other\\gua\\1.rtf"},
        {"Кань", 6, " Восточная судьба, Дворец Кань-гуа, Вода", "\\bmp\\1.bmp",
         "\\other\\baczi\\bc1.rtf", "\\other\\gua\\6.rtf"},
        {"Гэнь", 7, " Западная судьба, Дворец Гэнь-гуа, Почва", "\\bmp\\8.bmp",
         "\\other\\baczi\\bc8.rtf", "\\other\\gua\\7.rtf"},
        {"Чжэнь", 4, " Восточная судьба, Дворец Чжэнь-гуа, Дерево", "\\bmp\\3.bmp",
         "\\other\\baczi\\bc3.rtf", "\\other\\gua\\4.rtf"},
        {"Сюнь", 5, " Восточная судьба, Дворец Сюнь-гуа, Дерево", "\\bmp\\4.bmp",
         "\\other\\baczi\\bc4.rtf", "\\other\\gua\\5.rtf"},
        {"Ли", 3, " Восточная судьба, Дворец Ли-гуа, Огонь", "\\bmp\\9.bmp",
         "\\other\\baczi\\bc9.rtf", "\\other\\gua\\3.rtf"},
        {"Кунь", 8, " Западная судьба, Дворец Кунь-гуа, Почва", "\\bmp\\2.bmp",
         "\\other\\baczi\\bc2.rtf", "\\other\\gua\\8.rtf"},
        {"Дуй", 2, " Западная судьба, Дворец Дуй-гуа, Металл", "\\bmp\\7.bmp",
         "\\other\\baczi\\bc7.rtf", "\\other\\gua\\2.rtf"},
    };
    for (int i = 0; i < 8; ++i) {
        const TrigramItem& item = TrigramItemAt(i);
        EXPECT_STREQ(item.caption, rows[i].caption);
        EXPECT_EQ(item.trigram, rows[i].trigram);
        EXPECT_STREQ(item.fateLine, rows[i].fate);
        EXPECT_EQ(HouseDiagramPath(item), rows[i].diagram);
        EXPECT_EQ(HousePagePath(item), rows[i].house);
        EXPECT_EQ(TrigramPagePath(item.trigram), rows[i].page);
        // The caption is the trigram's own name.
        EXPECT_EQ(TrigramName(item.trigram), item.caption);
        EXPECT_EQ(TrigramItemIndexOfTrigram(item.trigram), i);
        EXPECT_EQ(TrigramItemIndexOfPalace(item.palace), i);
    }
    EXPECT_EQ(TrigramItemIndexOfPalace(5), -1);  // the centre has no house
    EXPECT_EQ(TrigramItemIndexOfTrigram(9), -1);
    EXPECT_STREQ(TrigramItemAt(8).caption, "Цянь");
}

TEST(TrigramItems, PersonalGuaNumbersSelectTheirHouses) {
    // 1 → Кань, 2 → Кунь, 3 → Чжэнь, 4 → Сюнь, 6 → Цянь, 7 → Дуй, 8 → Гэнь, 9 → Ли.
    const std::pair<int, const char*> houses[] = {{1, "Кань"}, {2, "Кунь"}, {3, "Чжэнь"},
                                                  {4, "Сюнь"}, {6, "Цянь"}, {7, "Дуй"},
                                                  {8, "Гэнь"}, {9, "Ли"}};
    for (const auto& [gua, caption] : houses)
        EXPECT_STREQ(TrigramItemAt(TrigramItemIndexOfPalace(gua)).caption, caption) << gua;
}

}  // namespace
