// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/na_yin.h"

#include <gtest/gtest.h>

namespace {

TEST(NaYin, PairsShareAnImageAndEachCarriesItsOwnNumber) {
    EXPECT_EQ(NaYinText(1, 1), "Металл в море (1)");                // Цзя-Цзы
    EXPECT_EQ(NaYinText(2, 2), "Металл в море (2)");                // И-Чоу
    EXPECT_EQ(NaYinText(9, 9), "Металла на острие Меча (9)");       // Жэнь-Шэнь
    EXPECT_EQ(NaYinText(5, 9), "Почва с большой станции (45)");     // У-Шэнь
    EXPECT_EQ(NaYinText(1, 11), "Огонь на вершине горы (11)");      // Цзя-Сюй
    EXPECT_EQ(NaYinText(3, 9), "Огонь, спускающийся с горы (33)");  // Бин-Шэнь
    EXPECT_EQ(NaYinText(7, 9), "Дерево граната (57)");              // Гэн-Шэнь
    EXPECT_EQ(NaYinText(1, 3), "Вода большого ручья (51)");         // Цзя-Инь
    EXPECT_EQ(NaYinText(9, 11), "Вода большого моря (59)");         // Жэнь-Сюй
    EXPECT_EQ(NaYinText(10, 12), "Вода большого моря (60)");        // Гуй-Хай
}

TEST(NaYin, FortyNineIsWrittenWithoutItsNumber) {
    EXPECT_EQ(NaYinText(9, 1), "Тутовое дерево");        // Жэнь-Цзы, 49
    EXPECT_EQ(NaYinText(10, 2), "Тутовое дерево (50)");  // Гуй-Чоу, 50
}

TEST(NaYin, APairOfUnlikeParityHasNoImage) {
    EXPECT_EQ(NaYinText(1, 2), "Парная комбинация отсутствует");  // Цзя-Чоу
    EXPECT_EQ(NaYinText(2, 1), "Парная комбинация отсутствует");
    EXPECT_EQ(NaYinText(0, 1), "Парная комбинация отсутствует");
    EXPECT_EQ(NaYinText(1, 13), "Парная комбинация отсутствует");
}

TEST(NaYin, EveryNumberOfTheCycleEndsInItsOwnNumber) {
    for (int n = 1; n <= 60; ++n) {
        const Pillar p = PillarOfSexagenary(n);
        const std::string text = NaYinText(p.stem, p.branch);
        if (n == 49) continue;
        const std::string tail = " (" + std::to_string(n) + ")";
        ASSERT_GT(text.size(), tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << text;
        // The odd and the even number of a pair share the image.
        if (n % 2 == 0 && n != 50) {
            const Pillar q = PillarOfSexagenary(n - 1);
            const std::string odd = NaYinText(q.stem, q.branch);
            const std::string oddTail = " (" + std::to_string(n - 1) + ")";
            EXPECT_EQ(text.substr(0, text.size() - tail.size()),
                      odd.substr(0, odd.size() - oddTail.size()));
        }
    }
}

}  // namespace
