// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The full birth chart beyond the four pillars and the birth stars: hidden stems and Ten Gods,
// the twelve stages of the day master, the void branches, the conception pillar and the life and
// body palaces, the symbolic stars, and inside each luck pillar its ten years; small luck before
// the first. Facts only: the captions are in person/chart_detail_captions.h.
#include <array>
#include <vector>

#include "person/hidden_stems.h"
#include "person/luck_pillars.h"
#include "person/luck_years.h"
#include "person/palaces.h"
#include "person/person_chart.h"
#include "person/symbolic_stars.h"
#include "person/ten_gods.h"
#include "person/void_branches.h"

// A stem and the hidden stems of a branch, each with its god against the day master.
struct PillarGods {
    TenGod stem = TenGod::Friend;  // meaningless for the day pillar itself (the day master)
    HiddenStems hidden;
    std::array<TenGod, 3> hiddenGods{};
};

// What the chart says of one pillar (birth or luck).
struct PillarDetails {
    Pillar pillar;
    PillarGods gods;
    int stage = 0;  // twelve-stage position of the day master in this branch (see LifeStageOf)
    bool voidByDay = false;
    bool voidByYear = false;
};

struct LuckPillarDetails {
    int age = 0;
    PillarDetails details;
    std::array<LuckPillarYear, 10> years{};
    std::array<PillarGods, 10> yearGods{};
};

struct ChartDetails {
    Stem dayMaster = 1;
    std::array<PillarDetails, kChartPillarCount> pillars{};  // year, month, day, hour
    VoidPair voidByDay, voidByYear;
    BirthPalaces palaces;
    std::vector<SymbolicStarHit> stars;
    std::array<LuckPillarDetails, kLuckPillarCount> luck{};
    std::vector<SmallLuckYear> smallLuck;
};

// The gods of a pillar's stem and of its branch's hidden stems against `dayMaster`.
PillarGods PillarGodsOf(Stem dayMaster, Pillar pillar);

ChartDetails ComputeChartDetails(const PersonChart& chart);

// The months of `year` for a chart: pillars, the instants they begin and their gods.
struct ChartMonth {
    SolarMonth month;
    PillarGods gods;
};
std::array<ChartMonth, 12> ChartMonthsOfYear(Stem dayMaster, int year);
