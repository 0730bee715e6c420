// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/special_combinations.h"

#include <algorithm>
#include <array>

#include "geomancy/star_combinations.h"
#include "interpretation/key_stars.h"

namespace {

bool InEach(const GeomanticTable& table, std::initializer_list<PalaceIndex> palaces,
            int (*sum)(const PalaceCells&)) {
    return std::all_of(palaces.begin(), palaces.end(),
                       [&](PalaceIndex p) { return sum(table.palaces[p]) == 10; });
}

int MountainPlusBase(const PalaceCells& c) {
    return c.mountain + c.base;
}
int MountainPlusFacing(const PalaceCells& c) {
    return c.mountain + c.facing;
}
int BasePlusFacing(const PalaceCells& c) {
    return c.base + c.facing;
}

std::string ConnectedSentence(int x, int y, int z) {
    return "Трехсоставной знак соединенных чисел. Расцвет дома, на протяжении " +
           std::to_string(x) + "-го, " + std::to_string(y) + "-го и " + std::to_string(z) +
           "-го циклов.";
}

bool StarsOfThreeFormParents(const GeomanticTable& table, PalaceIndex a, PalaceIndex b,
                             PalaceIndex c, int PalaceCells::*star) {
    return IsParentTriple(table.palaces[a].*star, table.palaces[b].*star, table.palaces[c].*star);
}

bool PalaceHoldsParents(const PalaceCells& c) {
    return IsParentTriple(c.mountain, c.facing, c.base);
}

}  // namespace

bool ConsecutiveRun(int a, int b, int c) {
    std::array<int, 3> s = {a, b, c};
    for (int v : s)
        if (v < 1 || v > 9) return false;
    // Some star starts the run: the other two are its next and next-but-one in the cycle.
    const auto next = [](int v, int k) { return (v - 1 + k) % 9 + 1; };
    for (int start : s) {
        std::array<int, 3> run = {start, next(start, 1), next(start, 2)};
        std::array<int, 3> sorted = s;
        std::sort(run.begin(), run.end());
        std::sort(sorted.begin(), sorted.end());
        if (run == sorted) return true;
    }
    return false;
}

std::string ChecSpecial_10(const GeomanticTable& table, int FN, int FM, int SN, int SM, int FB,
                           int SB) {
    const auto three = {Palace::Xun, Palace::Li, Palace::Zhen};
    if (InEach(table, three, MountainPlusBase) || InEach(table, three, MountainPlusFacing) ||
        InEach(table, three, BasePlusFacing)) {
        return "Соединение в Десяти. Благоприятный расклад. Сильная Гора, сильное Направление.";
    }
    const bool facingPair = FN + FM == 10 || FB + FM == 10 || FB + FN == 10;
    const bool mountainPair = SN + SM == 10 || SB + SM == 10 || SB + SN == 10;
    if (facingPair && mountainPair) {
        return "Соединение в Десяти в двух Дворцах Горы и Направления. Благоприятный расклад. "
               "Сильная Гора, сильное Направление.";
    }
    return "Соединение в Десяти -- НЕТ.";
}

std::string ChecSpecial_3_1(int FN, int FM, int SN, int SM) {
    std::string text = "Трехсоставной знак соединенных чисел -- НЕТ.";
    if (FN == FM && ConsecutiveRun(FN, SM, SN)) text = ConnectedSentence(FN, SN, SM);
    if (SN == SM && ConsecutiveRun(SN, FM, FN)) text = ConnectedSentence(SN, FM, FN);
    return text;
}

std::string ChecSpecial_3_2(const GeomanticTable& table, int FN, int FM) {
    std::string text = "Трехсоставной знак родителей -- НЕТ.";
    if (FN == FM) {
        const CompassSector sector = FacingSectorOf(table.azimuth);
        const bool facesLi =
            sector == CompassSector::S || sector == CompassSector::E || sector == CompassSector::NW;
        if (facesLi &&
            StarsOfThreeFormParents(table, Palace::Li, Palace::Zhen, Palace::Qian,
                                    &PalaceCells::mountain) &&
            StarsOfThreeFormParents(table, Palace::Li, Palace::Zhen, Palace::Qian,
                                    &PalaceCells::facing)) {
            text = "Трехсоставной знак родителей Дома Ли.";
        }
        const bool facesKan =
            sector == CompassSector::N || sector == CompassSector::W || sector == CompassSector::SE;
        if (facesKan &&
            StarsOfThreeFormParents(table, Palace::Kan, Palace::Xun, Palace::Dui,
                                    &PalaceCells::mountain) &&
            StarsOfThreeFormParents(table, Palace::Kan, Palace::Xun, Palace::Dui,
                                    &PalaceCells::facing)) {
            text = "Трехсоставной знак родителей Дома Кань.";
        }
    }
    if (PalaceHoldsParents(table.palaces[Palace::Gen]) &&
        PalaceHoldsParents(table.palaces[Palace::Centre]) &&
        PalaceHoldsParents(table.palaces[Palace::Kun])) {
        text = "Сложный трехсоставной знак родителей. Расцвет во всех циклах.";
    }
    return text;
}
