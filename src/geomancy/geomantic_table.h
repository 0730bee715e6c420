// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One computed geomantic table: the chart of the dwelling, the time layers of the calculation
// moment, the timeliness of every star and the afflictions. Facts only: the table window makes its
// colours, frames, hints and visibility from them (geomancy/ui/table_presentation.h), and the
// interpretation reports and the command line read the same record.
#include <array>
#include <optional>
#include <string>

#include "astro/julian_day.h"
#include "calendar/vocabulary.h"
#include "geomancy/palaces.h"
#include "geomancy/star_phase.h"

struct PalaceCells {
    // The period chart (large digits): mountain star upper left, facing star upper right, base
    // star bottom centre.
    int mountain = 0;
    int facing = 0;
    int base = 0;
    // The time layers (small digits at the right, top to bottom).
    int year = 0;
    int month = 0;
    int day = 0;

    // Timeliness of the three chart stars under the current period; none for a star outside 1..9.
    std::optional<StarPhase> mountainPhase, facingPhase, basePhase;
};

// One gate chart: a flight of the gate palace's base star over a small 3 x 3 grid.
struct GateChart {
    PalaceIndex palace = -1;  // the gate palace, -1 before the first computation
    PalaceStarArray stars{};  // by PalaceIndex; the centre holds the gate star itself
    std::array<std::optional<StarPhase>, kPalaceCount> phases{};  // of `stars`, current period
};

// Side of the Three Killings: the top bar is south, the bottom north, left east, right west.
enum class KillingsDirection { South, North, East, West };

struct GeomanticTable {
    double azimuth = 0;           // facing azimuth as last computed, degrees 0..360
    std::string facingMountain;   // caption of the facing mountain ("Вода:")
    std::string sittingMountain;  // caption of the sitting mountain ("Гора:")
    int currentPeriod = 0;        // period of the calculation moment (timeliness)
    int tablePeriod = 0;          // period of the table date (the chart)
    bool normalZone = true;       // chart by the flight rule (false: a replacement chart)

    Moment tableDate = 0;  // date of construction or moving in (day count, civil)

    // The time values of the calculation moment.
    Moment calculationMoment = 0;  // civil moment of the calculation (day count)
    int yearStar = 0, monthStar = 0, dayStar = 0;
    Branch yearBranch = 0, monthBranch = 0;

    std::array<PalaceCells, kPalaceCount> palaces;  // by PalaceIndex
    std::array<GateChart, 2> gates;                 // main gate, additional gate

    Branch taiSuiBranch = 0;                       // Tai Sui, the year branch; 0: none
    std::optional<PalaceIndex> flyingTaiSuiYear;   // "Летящий Тай Суй по году"
    std::optional<PalaceIndex> flyingTaiSuiMonth;  // "Темное установление"
    std::optional<KillingsDirection> shaYear;      // Three Killings of the year
    std::optional<KillingsDirection> shaMonth;     // Three Killings of the season

    std::string chartComment = "НЕТ.";  // the remark of a replacement chart
};
