// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The nine palaces of the chart, their Lo Shu home numbers and the flight of the stars.
#include <array>
#include <optional>
#include <string>

#include "calendar/vocabulary.h"
#include "geomancy/compass.h"

// 0 Qian (NW), 1 Dui (W), 2 Li (S), 3 Zhen (E), 4 Xun (SE), 5 Kan (N), 6 Kun (SW), 7 Gen (NE),
// 8 centre.
using PalaceIndex = int;

namespace Palace {
constexpr PalaceIndex Qian = 0, Dui = 1, Li = 2, Zhen = 3, Xun = 4, Kan = 5, Kun = 6, Gen = 7,
                      Centre = 8;
}  // namespace Palace

constexpr int kPalaceCount = 9;

// A star in every palace, by PalaceIndex (0 where nothing has been computed).
using PalaceStarArray = std::array<int, kPalaceCount>;

// "Цянь", "Дуй", "Ли", "Чжэнь", "Сюнь", "Кань", "Кунь", "Гэнь", "Центр"; "" outside 0..8.
std::string PalaceName(PalaceIndex p);
// Lo Shu number of a palace: Kan 1, Kun 2, Zhen 3, Xun 4, centre 5, Qian 6, Dui 7, Gen 8, Li 9.
int HomeNumber(PalaceIndex p);
// The palace whose home number is `star` (1..9; 5 is the centre).
PalaceIndex HomePalace(int star);
// The opposite outer palace (Kan–Li, Gen–Kun, Zhen–Dui, Xun–Qian); the centre stays the centre.
PalaceIndex OppositePalace(PalaceIndex p);
// True for Kan, Zhen, Li and Dui (the palaces of the four cardinal directions).
bool IsCardinalPalace(PalaceIndex p);

// The palace of a sector: N Kan, NE Gen, E Zhen, SE Xun, S Li, SW Kun, W Dui, NW Qian.
PalaceIndex PalaceOfSector(CompassSector s);
// Facing palace of an azimuth in degrees; above 360 the azimuth is first reduced (A + 180 of the
// report's mountain palace).
PalaceIndex FacingPalace(double azimuth);
// Sitting palace: the one opposite the facing palace.
PalaceIndex SittingPalace(double azimuth);

// Home palace of a branch: Цзы Kan; Чоу, Инь Gen; Мао Zhen; Чэнь, Сы Xun; У Li; Вэй, Шэнь Kun;
// Ю Dui; Сюй, Хай Qian. Branch 1..12.
PalaceIndex BranchHomePalace(Branch branch);

// Flight order from the centre: centre, Qian, Dui, Gen, Li, Kan, Kun, Zhen, Xun.
extern const std::array<PalaceIndex, kPalaceCount> FlightOrder;

// Palace of star `star` in a forward flight of centre star `centre` (both 1..9): offset
// (star − centre) mod 9 of FlightOrder. std::nullopt outside 1..9.
std::optional<PalaceIndex> StarPalace(int centre, int star);

// All nine palaces of a flight of `centre` (1..9): forward puts centre+1 at Qian, centre+2 at Dui,
// ...; backward puts centre−1, centre−2, ... (9 follows 1 and 1 follows 9).
PalaceStarArray Flight(int centre, bool forward);
