// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/branch_relations.h"

#include <array>
#include <utility>

#include "calendar/nine_stars.h"

namespace {

const std::array<std::string, 12> kOfficerNames = {
    "Цзянь. Установление (1)", "Чу. Искоренение (2)",   "Мань. Насыщение (3)",
    "Пин. Выравнивание (4)",   "Дин . Определение (5)", "Чжи. Удержание (6)",
    "По. Пробой (7)",          "Вэй. Опасность (8)",    "Чэн. Завершение (9)",
    "Шоу. Собирание (10)",     "Кай. Раскрытие (11)",   "Би. Ограничение (12)"};

// The table of relations: every pair of each relation, by branch numbers (Цзы = 1).
struct RelationPairs {
    BranchRelation relation;
    std::vector<std::pair<Branch, Branch>> pairs;
};

const std::vector<RelationPairs>& RelationTable() {
    static const std::vector<RelationPairs> table = {
        {BranchRelation::Clash, {{1, 7}, {2, 8}, {3, 9}, {4, 10}, {5, 11}, {6, 12}}},
        {BranchRelation::SixCombination, {{1, 2}, {3, 12}, {4, 11}, {5, 10}, {6, 9}, {7, 8}}},
        {BranchRelation::ThreeHarmony,
         {{9, 1},
          {1, 5},
          {5, 9},
          {12, 4},
          {4, 8},
          {8, 12},
          {3, 7},
          {7, 11},
          {11, 3},
          {6, 10},
          {10, 2},
          {2, 6}}},
        {BranchRelation::Harm, {{1, 8}, {2, 7}, {3, 6}, {4, 5}, {9, 12}, {10, 11}}},
        {BranchRelation::Punishment,
         {{3, 6},
          {6, 9},
          {9, 3},
          {2, 11},
          {11, 8},
          {8, 2},
          {1, 4},
          {5, 5},
          {7, 7},
          {10, 10},
          {12, 12}}},
    };
    return table;
}

// The table as bit masks by pair, built once.
using RelationMasks = std::array<std::array<unsigned, 12>, 12>;

const RelationMasks& Masks() {
    static const RelationMasks masks = [] {
        RelationMasks m{};
        for (const RelationPairs& row : RelationTable())
            for (const auto& [a, b] : row.pairs) {
                const unsigned bit = 1u << static_cast<int>(row.relation);
                m[a - 1][b - 1] |= bit;
                m[b - 1][a - 1] |= bit;
            }
        return m;
    }();
    return masks;
}

}  // namespace

const std::string& OfficerName(int officer) {
    static const std::string empty;
    return officer >= 1 && officer <= 12 ? kOfficerNames[officer - 1] : empty;
}

int OfficerOfBranches(Branch base, Branch additional) {
    return DayOfficer(base, additional);
}

BranchHarmony HarmonyOfBranches(Branch a, Branch b) {
    if (HasBranchRelation(a, b, BranchRelation::SixCombination)) return BranchHarmony::Combine;
    if (HasBranchRelation(a, b, BranchRelation::Clash)) return BranchHarmony::Clash;
    return BranchHarmony::Neutral;
}

bool HasBranchRelation(Branch a, Branch b, BranchRelation relation) {
    if (!IsValidBranch(a) || !IsValidBranch(b)) return false;
    return (Masks()[a - 1][b - 1] >> static_cast<int>(relation)) & 1u;
}

std::vector<BranchRelation> RelationsOfBranches(Branch a, Branch b) {
    std::vector<BranchRelation> result;
    for (BranchRelation r : kAllBranchRelations)
        if (HasBranchRelation(a, b, r)) result.push_back(r);
    return result;
}

const std::string& BranchRelationName(BranchRelation relation) {
    static const std::array<std::string, 5> names = {"столкновение", "шесть соединений",
                                                     "три гармонии", "вред", "наказание"};
    return names[static_cast<int>(relation)];
}

std::string RelationsText(Branch a, Branch b) {
    std::string text;
    for (BranchRelation r : RelationsOfBranches(a, b)) {
        if (!text.empty()) text += ", ";
        text += BranchRelationName(r);
    }
    return text;
}

const std::string& HarmonyWord(BranchHarmony harmony) {
    static const std::string combine = "сочетаются";
    static const std::string clash = "НЕ сочетаются";
    static const std::string none;
    switch (harmony) {
        case BranchHarmony::Combine: return combine;
        case BranchHarmony::Clash: return clash;
        case BranchHarmony::Neutral: break;
    }
    return none;
}
