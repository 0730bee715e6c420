// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The symbolic stars (символические звезды, 神煞) of a birth chart: each is looked up from one
// element of the chart (its basis: the day stem, the year or day branch, the month branch) in a
// table of the traditional rules, and falls in the pillars whose branch — or, for a few, whose
// stem — the table names. Schools differ in these tables; ours is the one in
// symbolic_star_table.cpp, the help page says the same.
#include <array>
#include <string>
#include <vector>

#include "calendar/vocabulary.h"

enum class StarBasis { DayStem, YearBranch, DayBranch, MonthBranch };

// One symbolic star as the table defines it.
struct SymbolicStarRule {
    const char* id;                // English key for scripts: "nobleman", "peach_blossom", …
    const char* characters;        // "天乙贵人"
    const char* caption;           // "Благородный человек"
    std::vector<StarBasis> bases;  // looked up from each basis in turn
    // The lookup, in the characters of the stems and branches: groups separated by blanks, each
    // "keys→targets" — "甲戊庚→丑未 乙己→子申 …". A target is a branch, or a stem (marked by the
    // stem character itself).
    const char* lookup;
    const char* basisText;  // how the help page names the basis: "по стволу дня", …
};

const std::vector<SymbolicStarRule>& SymbolicStarRules();

// A stem or branch the lookup names.
struct StarTarget {
    bool stem = false;
    int value = 0;  // Stem 1..10 or Branch 1..12
};

// What rule `ruleIndex` of SymbolicStarRules() gives for a key (a stem for StarBasis::DayStem, else
// a branch); none when the table has no entry (羊刃 of a yin stem).
std::vector<StarTarget> StarTargets(int ruleIndex, int key);

// The pillar positions of a chart, in the order year, month, day, hour.
constexpr int kChartPillarCount = 4;
using ChartPillars = std::array<Pillar, kChartPillarCount>;

// One star found in a chart from one basis: the pillars it falls in.
struct SymbolicStarHit {
    int rule = 0;  // index into SymbolicStarRules()
    StarBasis basis = StarBasis::DayStem;
    std::array<bool, kChartPillarCount> pillars{};
};

// Every star with the pillars it falls in, in the order of the table and of each rule's bases;
// a star that falls in no pillar is left out. A pillar may carry the star of its own basis
// (the 华盖 of a 辰 year sits in the year pillar itself).
std::vector<SymbolicStarHit> SymbolicStarsOf(const ChartPillars& pillars);
