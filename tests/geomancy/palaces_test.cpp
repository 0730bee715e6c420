// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/palaces.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The stars of a flight read in FlightOrder (centre first).
std::vector<int> InFlightOrder(const PalaceStarArray& stars) {
    std::vector<int> out;
    for (PalaceIndex p : FlightOrder) out.push_back(stars[p]);
    return out;
}

TEST(Palaces, NamesAndHomeNumbers) {
    const char* names[] = {"Цянь", "Дуй", "Ли", "Чжэнь", "Сюнь", "Кань", "Кунь", "Гэнь", "Центр"};
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        EXPECT_EQ(PalaceName(p), names[p]);
        EXPECT_EQ(HomePalace(HomeNumber(p)), p);
        EXPECT_EQ(OppositePalace(OppositePalace(p)), p);
        // Opposite palaces add up to 10 on the Lo Shu square.
        if (p != Palace::Centre) {
            EXPECT_EQ(HomeNumber(p) + HomeNumber(OppositePalace(p)), 10);
        }
    }
    EXPECT_EQ(PalaceName(9), "");
    EXPECT_EQ(PalaceName(-1), "");
    EXPECT_EQ(HomeNumber(Palace::Kan), 1);
    EXPECT_EQ(HomeNumber(Palace::Li), 9);
    EXPECT_EQ(HomeNumber(Palace::Centre), 5);
}

TEST(Palaces, Flights) {
    // A star 2 flying forward gives 3, 4, 5, 6, 7, 8, 9, 1 in FlightOrder.
    EXPECT_EQ(InFlightOrder(Flight(2, true)), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 1}));
    EXPECT_EQ(InFlightOrder(Flight(2, false)), (std::vector<int>{2, 1, 9, 8, 7, 6, 5, 4, 3}));
    // The forward flight of 5 is the Lo Shu square itself.
    const PalaceStarArray loShu = Flight(5, true);
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) EXPECT_EQ(loShu[p], HomeNumber(p));
    for (int c = 1; c <= 9; ++c) {
        for (bool forward : {true, false}) {
            PalaceStarArray stars = Flight(c, forward);
            EXPECT_EQ(stars[Palace::Centre], c);
            std::sort(stars.begin(), stars.end());
            EXPECT_EQ(stars, (PalaceStarArray{1, 2, 3, 4, 5, 6, 7, 8, 9}));
        }
        // StarPalace finds every star of the forward flight.
        const PalaceStarArray forward = Flight(c, true);
        for (int s = 1; s <= 9; ++s) EXPECT_EQ(forward[*StarPalace(c, s)], s);
    }
    EXPECT_EQ(StarPalace(0, 5), std::nullopt);
    EXPECT_EQ(StarPalace(5, 10), std::nullopt);
}

TEST(Palaces, BranchHomes) {
    EXPECT_EQ(BranchHomePalace(1), Palace::Kan);   // Цзы
    EXPECT_EQ(BranchHomePalace(2), Palace::Gen);   // Чоу
    EXPECT_EQ(BranchHomePalace(3), Palace::Gen);   // Инь
    EXPECT_EQ(BranchHomePalace(5), Palace::Xun);   // Чэнь
    EXPECT_EQ(BranchHomePalace(10), Palace::Dui);  // Ю
    // Every branch is at home opposite its clashing branch; a cardinal palace holds one branch,
    // a corner palace two.
    int held[kPalaceCount] = {};
    for (Branch b = 1; b <= 12; ++b) {
        EXPECT_EQ(BranchHomePalace(b), OppositePalace(BranchHomePalace((b + 5) % 12 + 1))) << b;
        ++held[BranchHomePalace(b)];
    }
    for (PalaceIndex p = 0; p < kPalaceCount; ++p)
        EXPECT_EQ(held[p], p == Palace::Centre ? 0 : IsCardinalPalace(p) ? 1 : 2) << PalaceName(p);
}

}  // namespace
