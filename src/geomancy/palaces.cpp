// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/palaces.h"

namespace {

const std::array<const char*, kPalaceCount> kPalaceNames = {"Цянь", "Дуй",  "Ли",   "Чжэнь", "Сюнь",
                                                            "Кань", "Кунь", "Гэнь", "Центр"};
const std::array<int, kPalaceCount> kHomeNumbers = {6, 7, 9, 3, 4, 1, 2, 8, 5};

int Wrap9(int n) {
    return ((n - 1) % 9 + 9) % 9 + 1;
}

}  // namespace

const std::array<PalaceIndex, kPalaceCount> FlightOrder = {
    Palace::Centre, Palace::Qian, Palace::Dui,  Palace::Gen, Palace::Li,
    Palace::Kan,    Palace::Kun,  Palace::Zhen, Palace::Xun};

std::string PalaceName(PalaceIndex p) {
    return p >= 0 && p < kPalaceCount ? kPalaceNames[p] : "";
}

int HomeNumber(PalaceIndex p) {
    return kHomeNumbers[p];
}

PalaceIndex HomePalace(int star) {
    // The flight order is the Lo Shu sequence 5, 6, 7, 8, 9, 1, 2, 3, 4.
    return FlightOrder[((star - 5) % 9 + 9) % 9];
}

PalaceIndex OppositePalace(PalaceIndex p) {
    static const std::array<PalaceIndex, kPalaceCount> kOpposite = {
        Palace::Xun, Palace::Zhen, Palace::Kan, Palace::Dui,   Palace::Qian,
        Palace::Li,  Palace::Gen,  Palace::Kun, Palace::Centre};
    return kOpposite[p];
}

bool IsCardinalPalace(PalaceIndex p) {
    return p == Palace::Kan || p == Palace::Zhen || p == Palace::Li || p == Palace::Dui;
}

PalaceIndex PalaceOfSector(CompassSector s) {
    static const std::array<PalaceIndex, 8> kBySector = {Palace::Kan, Palace::Gen, Palace::Zhen,
                                                         Palace::Xun, Palace::Li,  Palace::Kun,
                                                         Palace::Dui, Palace::Qian};
    return kBySector[static_cast<int>(s)];
}

PalaceIndex FacingPalace(double azimuth) {
    return PalaceOfSector(SectorOfAzimuth(azimuth));
}

PalaceIndex SittingPalace(double azimuth) {
    return OppositePalace(FacingPalace(azimuth));
}

std::optional<PalaceIndex> StarPalace(int centre, int star) {
    if (centre < 1 || centre > 9 || star < 1 || star > 9) return std::nullopt;
    return FlightOrder[((star - centre) % 9 + 9) % 9];
}

PalaceStarArray Flight(int centre, bool forward) {
    PalaceStarArray stars{};
    for (int k = 0; k < kPalaceCount; ++k) {
        stars[FlightOrder[k]] = Wrap9(forward ? centre + k : centre - k);
    }
    return stars;
}

PalaceIndex BranchHomePalace(Branch branch) {
    static const std::array<PalaceIndex, 12> kByBranch = {
        Palace::Kan, Palace::Gen, Palace::Gen, Palace::Zhen, Palace::Xun,  Palace::Xun,
        Palace::Li,  Palace::Kun, Palace::Kun, Palace::Dui,  Palace::Qian, Palace::Qian};
    return kByBranch[branch - 1];
}
