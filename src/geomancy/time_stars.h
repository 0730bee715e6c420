// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time layers over the chart: the flying stars of the year, month and day, Tai Sui, the flying
// Tai Sui of the year and of the month, and the Three Killings.
#include <optional>
#include <string>

#include "calendar/vocabulary.h"
#include "geomancy/geomantic_table.h"

// Year, month and day stars: forward flights of the given centre stars. A star outside 1..9
// leaves its layer unchanged.
void FillTimeStars(GeomanticTable& table, int yearStar, int monthStar, int dayStar);

// The Tai Sui marker: the year branch, or none (0) outside 1..12.
void TaiSui(GeomanticTable& table, Branch yearBranch);

// Palace where the home number of the branch's home palace lands in a forward flight of centre
// star `centre` (the centre when the number equals the star). std::nullopt outside 1..9 / 1..12.
std::optional<PalaceIndex> FlyingTaiSuiPalace(int centre, Branch branch);

// The flying Tai Sui of the year (year star) and the dark establishment of the month (month
// star); both with the year branch.
void FeiTaiSuiDrawY(GeomanticTable& table, int yearStar, Branch yearBranch);
void FeiTaiSuiDrawM(GeomanticTable& table, int monthStar, Branch yearBranch);

// Direction of the Three Killings of a branch's triad: Шэнь, Цзы, Чэнь south; Инь, У, Сюй north;
// Сы, Ю, Чоу east; Хай, Мао, Вэй west. std::nullopt outside 1..12.
std::optional<KillingsDirection> KillingsDirectionOf(Branch branch);
void ShaY(GeomanticTable& table, Branch yearBranch);
void ShaM(GeomanticTable& table, Branch monthBranch);

// Hints of the markers: the bars ("Ша года на юге", "Ша сезона на западе", ...), the flying Tai
// Sui pictures and the twelve Tai Sui markers (the branch names).
std::string ShaHint(bool ofYear, KillingsDirection direction);
extern const char* const kFlyingTaiSuiYearHint;   // "Летящий Тай Суй по году"
extern const char* const kFlyingTaiSuiMonthHint;  // "Темное установление"

// Where the twelve Tai Sui markers stand around the grid (south at the top).
enum class GridEdge { Top, Bottom, Left, Right };
struct MarkerPlace {
    GridEdge edge;
    int position;  // 0..2, left to right along top and bottom, top to bottom along the sides
};
MarkerPlace TaiSuiMarkerPlace(Branch branch);
