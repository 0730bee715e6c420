// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/life_stages.h"

#include <gtest/gtest.h>

namespace {

TEST(LifeStages, TheBirthBranchOfEveryStem) {
    // Цзя → Хай, И → У, Бин → Инь, Дин → Ю, У as Бин, Цзи as Дин, Гэн → Сы, Синь → Цзы,
    // Жэнь → Шэнь, Гуй → Мао.
    const int expected[10] = {12, 7, 3, 10, 3, 10, 6, 1, 9, 4};
    for (Stem s = 1; s <= 10; ++s) EXPECT_EQ(BirthBranch(s), expected[s - 1]) << "stem " << s;
    EXPECT_EQ(BirthBranch(0), 0);
    EXPECT_EQ(BirthBranch(11), 0);
}

struct StageCase {
    Stem stem;
    Branch branch;
    int position;
    TMyInJan direction;
    const char* name;
};

class LifeStageCases : public ::testing::TestWithParam<StageCase> {};

TEST_P(LifeStageCases, PositionDirectionAndName) {
    const StageCase& c = GetParam();
    const LifeStage stage = LifeStageOf(c.stem, c.branch);
    EXPECT_EQ(stage.position, c.position);
    EXPECT_EQ(stage.direction, c.direction);
    EXPECT_EQ(LifeStageName(stage.position), c.name);
}

INSTANTIATE_TEST_SUITE_P(
    Stages, LifeStageCases,
    ::testing::Values(StageCase{1, 1, 0, TMyInJan::cz_Jan, "Купание"},  // the window's first view
                      StageCase{1, 12, 11, TMyInJan::cz_Jan, "Рождение"},  // Цзя born in Хай
                      StageCase{1, 4, 3, TMyInJan::cz_Jan, "Расцвет"},  // Цзя flourishes in Мао
                      StageCase{1, 8, 7, TMyInJan::cz_Jan, "Хранилище"},  // Цзя stored in Вэй
                      StageCase{2, 12, 6, TMyInJan::cz_In, "Смерть"},     // И dies in Хай
                      StageCase{2, 7, 11, TMyInJan::cz_In, "Рождение"},   // И born in У
                      StageCase{2, 6, 0, TMyInJan::cz_In, "Купание"},  // the next branch going back
                      StageCase{5, 3, 11, TMyInJan::cz_Jan, "Рождение"},  // У shares Бин's cycle
                      StageCase{6, 9, 0, TMyInJan::cz_In, "Купание"},  // Цзи as Дин: born in Ю
                      StageCase{8, 12, 0, TMyInJan::cz_In, "Купание"},  // Синь: back across Цзы
                      StageCase{10, 1, 2, TMyInJan::cz_In, "Вступление в контакт"},
                      StageCase{9, 8, 10, TMyInJan::cz_Jan, "Вскармливание"}));

TEST(LifeStages, EveryStemWalksAllTwelveStagesOnce) {
    for (Stem s = 1; s <= 10; ++s) {
        bool seen[12] = {};
        for (Branch b = 1; b <= 12; ++b) {
            const LifeStage stage = LifeStageOf(s, b);
            ASSERT_GE(stage.position, 0);
            ASSERT_LT(stage.position, 12);
            EXPECT_FALSE(seen[stage.position]) << "stem " << s << " branch " << b;
            seen[stage.position] = true;
        }
        // Born in the birth branch, bathed in the next branch the stem's way.
        const Branch birth = BirthBranch(s);
        const Branch next = s % 2 == 1 ? birth % 12 + 1 : (birth + 10) % 12 + 1;
        EXPECT_EQ(LifeStageOf(s, birth).position, 11) << "stem " << s;
        EXPECT_EQ(LifeStageOf(s, next).position, 0) << "stem " << s;
    }
}

TEST(LifeStages, NamesOutsideTheCycleAreEmpty) {
    EXPECT_EQ(LifeStageName(1), "Воспитание");
    EXPECT_EQ(LifeStageName(9), "Зачатие");
    EXPECT_EQ(LifeStageName(-1), "");
    EXPECT_EQ(LifeStageName(12), "");
}

}  // namespace
