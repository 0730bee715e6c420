// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/affliction_texts.h"

#include <gtest/gtest.h>

namespace {

const std::string kFavourable =
    "В этом году эта звезда приходит на Напрвление -- благоприятно строить, делать ремонт или "
    "переезжать в жилище с данным раскладом, так как летящая звезда Направления в расцвете.";
const std::string kFavourableKan =
    "В этом году эта звезда приходит на Напрвление --  благоприятно строить, делать ремонт или "
    "переезжать в жилище с данным раскладом, так как летящая звезда Направления в расцвете.";

std::string Warning(const std::string& clashing) {
    return "В этом году эта звезда приходит на Напрвление -- нельзя строить, делать ремонт или "
           "переезжать в жилище с данным раскладом, особенно для людей с Земной ветвью " +
           clashing + " по году рождения. ";
}

TEST(TaiSuiString, OnlyTheBranchWhenItIsNotOnTheFacingPalace) {
    EXPECT_EQ(TaiSuiString(9, 9, 5, 0), "Тай Суй в знаке Чэнь (Дом Сюнь). Усиливат влияние Дома. ");
    EXPECT_EQ(TaiSuiString(1, 9, 12, 180),
              "Тай Суй в знаке Хай (Дом Цянь). Усиливат влияние Дома. ");
}

TEST(TaiSuiString, OnTheFacingPalaceFavourableExactlyWhenTheFacingStarIsThePeriod) {
    const std::string head = "Тай Суй в знаке У (Дом Ли). Усиливат влияние Дома. ";
    EXPECT_EQ(TaiSuiString(9, 9, 7, 180), head + kFavourable);
    EXPECT_EQ(TaiSuiString(8, 9, 7, 180), head + Warning("Цзы"));
    // Both branches of a two-branch palace count: Вэй and Шэнь of Кунь.
    EXPECT_EQ(TaiSuiString(3, 8, 8, 225),
              "Тай Суй в знаке Вэй (Дом Кунь). Усиливат влияние Дома. " + Warning("Чоу"));
    EXPECT_EQ(TaiSuiString(3, 8, 9, 225),
              "Тай Суй в знаке Шэнь (Дом Кунь). Усиливат влияние Дома. " + Warning("Инь"));
    // The clashing branch wraps past 12.
    EXPECT_EQ(TaiSuiString(1, 2, 12, 315),
              "Тай Суй в знаке Хай (Дом Цянь). Усиливат влияние Дома. " + Warning("Сы"));
}

TEST(TaiSuiString, TheFacingPalaceKanHasTwoBlanksAfterTheDash) {
    EXPECT_EQ(TaiSuiString(9, 9, 1, 0),
              "Тай Суй в знаке Цзы (Дом Кань). Усиливат влияние Дома. " + kFavourableKan);
    EXPECT_EQ(TaiSuiString(9, 9, 1, 360),
              "Тай Суй в знаке Цзы (Дом Кань). Усиливат влияние Дома. " + kFavourableKan);
    EXPECT_EQ(TaiSuiString(8, 9, 1, 0),
              "Тай Суй в знаке Цзы (Дом Кань). Усиливат влияние Дома. " + Warning("У"));
}

TEST(TaiSuiString, NoBranchGivesAnEmptyName) {
    EXPECT_EQ(TaiSuiString(9, 9, 0, 0), "Тай Суй в знаке . Усиливат влияние Дома. ");
    EXPECT_EQ(TaiSuiString(9, 9, 13, 0), "Тай Суй в знаке . Усиливат влияние Дома. ");
}

const std::string kYearWarning =
    "В этом году Три разрушителя приходят на Гору -- нельзя строить, делать ремонт или переезжать "
    "в жилище с данным раскладом.";
const std::string kSeasonWarning =
    "В этом сезоне Три разрушителя приходят на Гору -- нельзя строить, делать ремонт или "
    "переезжать в жилище с данным раскладом.";

TEST(ThreeKillings, DirectionOfEachTriad) {
    struct Case {
        Branch branch;
        const char* side;
    };
    const Case cases[] = {{1, "юге"},     {5, "юге"},      {9, "юге"},    {2, "востоке"},
                          {6, "востоке"}, {10, "востоке"}, {3, "севере"}, {7, "севере"},
                          {11, "севере"}, {4, "западе"},   {8, "западе"}, {12, "западе"}};
    for (const Case& c : cases) {
        // Facing 60 (north-east) lies outside the warning ranges of the south, east and north.
        const int a = std::string(c.side) == "западе" ? 300 : 60;
        EXPECT_EQ(ShaYString(c.branch, a),
                  std::string("Три разрушителя по году на ") + c.side + ". ")
            << c.branch;
        EXPECT_EQ(ShaMString(c.branch, a),
                  std::string("Три разрушителя по сезону на ") + c.side + ". ")
            << c.branch;
    }
}

TEST(ThreeKillings, WarningWhenTheyFallOnTheMountain) {
    struct Case {
        Branch branch;
        int azimuth;
        bool warning;
    };
    const Case cases[] = {
        {7, 100, false}, {7, 180, true},  {7, 135, false}, {7, 136, true},  {7, 225, true},
        {7, 226, false}, {1, 0, true},    {1, 45, true},   {1, 46, false},  {1, 315, false},
        {1, 316, true},  {1, 320, true},  {1, 360, true},  {2, 225, false}, {2, 226, true},
        {2, 315, true},  {2, 316, false}, {4, 45, false},  {4, 46, true},   {4, 135, true},
        {4, 136, false},
    };
    for (const Case& c : cases) {
        const std::string year = ShaYString(c.branch, c.azimuth);
        const std::string season = ShaMString(c.branch, c.azimuth);
        EXPECT_EQ(
            year.size() > kYearWarning.size() && year.compare(year.size() - kYearWarning.size(),
                                                              std::string::npos, kYearWarning) == 0,
            c.warning)
            << c.branch << " " << c.azimuth << ": " << year;
        EXPECT_EQ(season.size() > kSeasonWarning.size() &&
                      season.compare(season.size() - kSeasonWarning.size(), std::string::npos,
                                     kSeasonWarning) == 0,
                  c.warning)
            << c.branch << " " << c.azimuth << ": " << season;
    }
    EXPECT_EQ(ShaYString(7, 180), "Три разрушителя по году на севере. " + kYearWarning);
    EXPECT_EQ(ShaMString(1, 320), "Три разрушителя по сезону на юге. " + kSeasonWarning);
}

TEST(ThreeKillings, NoBranchGivesAnEmptyParagraph) {
    EXPECT_EQ(ShaYString(0, 180), "");
    EXPECT_EQ(ShaMString(13, 0), "");
}

}  // namespace
