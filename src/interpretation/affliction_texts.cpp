// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/affliction_texts.h"

#include "geomancy/palaces.h"
#include "geomancy/star_combinations.h"

namespace {

enum class Side { South, East, North, West };

// The triads of the Three Killings: Шэнь, Цзы, Чэнь south; Сы, Ю, Чоу east; Инь, У, Сюй north;
// Хай, Мао, Вэй west.
Side KillingsSide(Branch branch) {
    switch ((branch - 1) % 4) {
        case 0: return Side::South;  // 1, 5, 9
        case 1: return Side::East;   // 2, 6, 10
        case 2: return Side::North;  // 3, 7, 11
        default: return Side::West;  // 4, 8, 12
    }
}

// The facing azimuths whose mountain side lies in the Three Killings: whole degrees 0..45 and
// 316..360 for the south, 46..135 west, 136..225 north, 226..315 east; a tenth between two whole
// degrees goes with the nearer one (45.5 with 46).
bool MountainInKillings(Side side, double a) {
    switch (side) {
        case Side::South: return (a >= 0 && a < 45.5) || a >= 315.5;
        case Side::East: return a >= 225.5 && a < 315.5;
        case Side::North: return a >= 135.5 && a < 225.5;
        case Side::West: return a >= 45.5 && a < 135.5;
    }
    return false;
}

const char* SideWord(Side side) {
    switch (side) {
        case Side::South: return "на юге. ";
        case Side::East: return "на востоке. ";
        case Side::North: return "на севере. ";
        case Side::West: return "на западе. ";
    }
    return "";
}

std::string ShaString(Branch branch, double a, const char* ofWhat, const char* warning) {
    if (!IsValidBranch(branch)) return "";
    const Side side = KillingsSide(branch);
    std::string text = std::string("Три разрушителя ") + ofWhat + " " + SideWord(side);
    if (MountainInKillings(side, a)) text += warning;
    return text;
}

}  // namespace

std::string TaiSuiString(int FN, int C, Branch yearBranch, double A) {
    std::string text =
        "Тай Суй в знаке " + BranchPalaceLabel(yearBranch) + ". Усиливат влияние Дома. ";
    if (!IsValidBranch(yearBranch)) return text;
    const PalaceIndex facing = FacingPalace(A);
    if (BranchHomePalace(yearBranch) != facing) return text;
    if (FN == C) {
        // The text stored for the facing palace Кань has two blanks after the dash.
        text += facing == Palace::Kan
                    ? "В этом году эта звезда приходит на Напрвление --  благоприятно строить, "
                      "делать ремонт или переезжать в жилище с данным раскладом, так как летящая "
                      "звезда Направления в расцвете."
                    : "В этом году эта звезда приходит на Напрвление -- благоприятно строить, "
                      "делать ремонт или переезжать в жилище с данным раскладом, так как летящая "
                      "звезда Направления в расцвете.";
    } else {
        text +=
            "В этом году эта звезда приходит на Напрвление -- нельзя строить, делать ремонт "
            "или переезжать в жилище с данным раскладом, особенно для людей с Земной ветвью " +
            BranchName(yearBranch, false) + " по году рождения. ";
    }
    return text;
}

std::string ShaYString(Branch yearBranch, double A) {
    return ShaString(yearBranch, A, "по году",
                     "В этом году Три разрушителя приходят на Гору -- нельзя строить, делать "
                     "ремонт или переезжать в жилище с данным раскладом.");
}

std::string ShaMString(Branch monthBranch, double A) {
    return ShaString(monthBranch, A, "по сезону",
                     "В этом сезоне Три разрушителя приходят на Гору -- нельзя строить, делать "
                     "ремонт или переезжать в жилище с данным раскладом.");
}
