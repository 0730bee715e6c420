// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/time_stars.h"

#include <array>

const char* const kFlyingTaiSuiYearHint = "Летящий Тай Суй по году";
const char* const kFlyingTaiSuiMonthHint = "Темное установление";

namespace {

bool ValidStar(int star) {
    return star >= 1 && star <= 9;
}

}  // namespace

void FillTimeStars(GeomanticTable& table, int yearStar, int monthStar, int dayStar) {
    if (ValidStar(yearStar)) {
        const PalaceStarArray s = Flight(yearStar, true);
        for (PalaceIndex p = 0; p < kPalaceCount; ++p) table.palaces[p].year = s[p];
    }
    if (ValidStar(monthStar)) {
        const PalaceStarArray s = Flight(monthStar, true);
        for (PalaceIndex p = 0; p < kPalaceCount; ++p) table.palaces[p].month = s[p];
    }
    if (ValidStar(dayStar)) {
        const PalaceStarArray s = Flight(dayStar, true);
        for (PalaceIndex p = 0; p < kPalaceCount; ++p) table.palaces[p].day = s[p];
    }
}

void TaiSui(GeomanticTable& table, Branch yearBranch) {
    table.taiSuiBranch = IsValidBranch(yearBranch) ? yearBranch : 0;
}

std::optional<PalaceIndex> FlyingTaiSuiPalace(int centre, Branch branch) {
    if (!IsValidBranch(branch)) return std::nullopt;
    return StarPalace(centre, HomeNumber(BranchHomePalace(branch)));
}

void FeiTaiSuiDrawY(GeomanticTable& table, int yearStar, Branch yearBranch) {
    table.flyingTaiSuiYear = FlyingTaiSuiPalace(yearStar, yearBranch);
}

void FeiTaiSuiDrawM(GeomanticTable& table, int monthStar, Branch yearBranch) {
    table.flyingTaiSuiMonth = FlyingTaiSuiPalace(monthStar, yearBranch);
}

std::optional<KillingsDirection> KillingsDirectionOf(Branch branch) {
    if (!IsValidBranch(branch)) return std::nullopt;
    // Triads (9, 1, 5), (3, 7, 11), (6, 10, 2), (12, 4, 8): by branch mod 4.
    static const std::array<KillingsDirection, 4> kByRemainder = {
        KillingsDirection::West, KillingsDirection::South, KillingsDirection::East,
        KillingsDirection::North};
    return kByRemainder[branch % 4];
}

void ShaY(GeomanticTable& table, Branch yearBranch) {
    table.shaYear = KillingsDirectionOf(yearBranch);
}

void ShaM(GeomanticTable& table, Branch monthBranch) {
    table.shaMonth = KillingsDirectionOf(monthBranch);
}

std::string ShaHint(bool ofYear, KillingsDirection direction) {
    static const std::array<const char*, 4> kSides = {"на юге", "на севере", "на востоке",
                                                      "на западе"};
    return std::string(ofYear ? "Ша года " : "Ша сезона ") + kSides[static_cast<int>(direction)];
}

MarkerPlace TaiSuiMarkerPlace(Branch branch) {
    static const std::array<MarkerPlace, 12> kPlaces = {{
        {GridEdge::Bottom, 1},  // Цзы
        {GridEdge::Bottom, 0},  // Чоу
        {GridEdge::Left, 2},    // Инь
        {GridEdge::Left, 1},    // Мао
        {GridEdge::Left, 0},    // Чэнь
        {GridEdge::Top, 0},     // Сы
        {GridEdge::Top, 1},     // У
        {GridEdge::Top, 2},     // Вэй
        {GridEdge::Right, 0},   // Шэнь
        {GridEdge::Right, 1},   // Ю
        {GridEdge::Right, 2},   // Сюй
        {GridEdge::Bottom, 2},  // Хай
    }};
    return kPlaces[branch - 1];
}
