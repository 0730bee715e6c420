// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "calendar/vocabulary.h"
#include "tools/trigram_drawing.h"
#include "tools/trigram_items.h"

namespace {

TEST(TrigramDrawing, BarsOfEveryTrigramTopToBottom) {
    constexpr bool S = true, B = false;
    EXPECT_EQ(TrigramBars(1), (std::array<bool, 3>{S, S, S}));  // Цянь
    EXPECT_EQ(TrigramBars(2), (std::array<bool, 3>{B, S, S}));  // Дуй: the broken bar on top
    EXPECT_EQ(TrigramBars(3), (std::array<bool, 3>{S, B, S}));  // Ли
    EXPECT_EQ(TrigramBars(8), (std::array<bool, 3>{B, B, B}));  // Кунь
    // The eight trigrams are the eight pictures of three bars, each once, and the trigrams n and
    // 9 − n are each other's opposites (Цянь–Кунь, Дуй–Гэнь, Ли–Кань, Чжэнь–Сюнь).
    std::set<std::array<bool, 3>> pictures;
    for (int no = 1; no <= 8; ++no) {
        pictures.insert(TrigramBars(no));
        for (int bar = 0; bar < 3; ++bar) EXPECT_NE(TrigramBars(no)[bar], TrigramBars(9 - no)[bar]);
    }
    EXPECT_EQ(pictures.size(), 8u);
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
    const TrigramItem& qian = TrigramItemAt(0);
    EXPECT_STREQ(qian.caption, "Цянь");
    EXPECT_EQ(qian.trigram, 1);
    EXPECT_STREQ(qian.fateLine, " Западная судьба, Дворец Цянь-гуа, Металл");
    EXPECT_EQ(HouseDiagramPath(qian), "\\bmp\\6.bmp");
    EXPECT_EQ(HousePagePath(qian), "\\other\\baczi\\bc6.rtf");
    EXPECT_EQ(TrigramPagePath(qian.trigram), "\\other\\gua\\1.rtf");
    const TrigramItem& kan = TrigramItemAt(1);
    EXPECT_STREQ(kan.caption, "Кань");
    EXPECT_EQ(kan.trigram, 6);
    EXPECT_STREQ(kan.fateLine, " Восточная судьба, Дворец Кань-гуа, Вода");
    EXPECT_EQ(HouseDiagramPath(kan), "\\bmp\\1.bmp");
    EXPECT_STREQ(TrigramItemAt(5).fateLine, " Восточная судьба, Дворец Ли-гуа, Огонь");
    EXPECT_STREQ(TrigramItemAt(7).caption, "Дуй");

    // The whole list: every trigram and every outer palace once, each item named for its trigram
    // and found again by both; the picture and the house page by the palace, the trigram page by
    // the trigram; the East houses are Кань, Ли, Чжэнь and Сюнь.
    std::set<int> trigrams, palaces;
    std::multiset<std::string> elements;
    std::string elementOf[9];
    for (int i = 0; i < 8; ++i) {
        const TrigramItem& item = TrigramItemAt(i);
        SCOPED_TRACE(item.caption);
        trigrams.insert(item.trigram);
        palaces.insert(item.palace);
        EXPECT_EQ(TrigramName(item.trigram), item.caption);
        EXPECT_EQ(TrigramItemIndexOfTrigram(item.trigram), i);
        EXPECT_EQ(TrigramItemIndexOfPalace(item.palace), i);
        const std::string palace = std::to_string(item.palace);
        EXPECT_EQ(HouseDiagramPath(item), "\\bmp\\" + palace + ".bmp");
        EXPECT_EQ(HousePagePath(item), "\\other\\baczi\\bc" + palace + ".rtf");
        EXPECT_EQ(TrigramPagePath(item.trigram),
                  "\\other\\gua\\" + std::to_string(item.trigram) + ".rtf");
        const bool east = std::set<int>{1, 3, 4, 9}.count(item.palace) == 1;
        const std::string head = std::string(east ? " Восточная" : " Западная") +
                                 " судьба, Дворец " + item.caption + "-гуа, ";
        const std::string line = item.fateLine;
        ASSERT_EQ(line.rfind(head, 0), 0u) << line;
        elementOf[item.trigram] = line.substr(head.size());
        elements.insert(elementOf[item.trigram]);
    }
    EXPECT_EQ(trigrams, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(palaces, (std::set<int>{1, 2, 3, 4, 6, 7, 8, 9}));
    // Металл for Цянь and Дуй, Дерево for Чжэнь and Сюнь, Почва for Гэнь and Кунь; Огонь, Вода.
    EXPECT_EQ(elements, (std::multiset<std::string>{"Вода", "Дерево", "Дерево", "Металл", "Металл",
                                                    "Огонь", "Почва", "Почва"}));
    EXPECT_EQ(elementOf[1], elementOf[2]);
    EXPECT_EQ(elementOf[4], elementOf[5]);
    EXPECT_EQ(elementOf[7], elementOf[8]);
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
