// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The dwelling's compass: facing azimuth in degrees to a tenth (0..360 clockwise from north, 0
// and 360 both north), the 24 mountains of 15 degrees, their three positions (yuan) inside a
// 45-degree sector, and the eight sectors.
#include <array>
#include <string>

using MountainIndex = int;  // 0..23 clockwise from Жэнь; Цзы (1) is centred on north

constexpr int kMountainCount = 24;

struct MountainInfo {
    const char* caption;  // "Жэнь", "Цзы", ...
    int firstAzimuth;     // range, inclusive; Цзы wraps over north (353..360, 0..7)
    int lastAzimuth;
    int centre;  // the centre azimuth the window writes when the mountain is chosen
};

extern const std::array<MountainInfo, kMountainCount> MountainTable;

// Caption of a mountain; "" outside 0..23 (a list without selection).
std::string MountainCaption(MountainIndex m);
// The mountain whose range holds an azimuth 0..360 degrees; -1 outside 0..360. A mountain spans
// 7.5 degrees either side of its centre, its clockwise edge belonging to the next mountain (so
// whole degrees keep the table's inclusive ranges: 7 is Цзы, 7.5 and 8 are Гуй).
MountainIndex MountainOfAzimuth(double azimuth);
// The opposite mountain: index + 12, less 24 when above 23.
MountainIndex SittingMountain(MountainIndex facing);
// Centre azimuth of a mountain (Жэнь 345, Цзы 0, Гуй 15, ... Хай 330).
int MountainCentre(MountainIndex m);

// Position of an azimuth inside its sector: 2 for the earth mountain (the first clockwise: Жэнь,
// Чоу, Цзя, ...), 1 for the heaven mountain (Цзы, Гэнь, Мао, ...), 0 for the man mountain (Гуй,
// Инь, И, ...). Azimuth in degrees 0..360; -1 outside.
int ThreeYuanPosition(double azimuth);

// The eight 45-degree sectors, numbered as the report numbers them.
enum class CompassSector { N = 0, NE = 1, E = 2, SE = 3, S = 4, SW = 5, W = 6, NW = 7 };

// Sector of an azimuth in degrees: N 338..360 and 0..22, NE 23..67, ... NW 293..337 in whole
// degrees (edges at 22.5 + 45·k, each belonging to the clockwise sector). An azimuth outside
// 0..360 is first brought into 0..360 (so 540 is south), as the reports ask of A + 180.
CompassSector SectorOfAzimuth(double azimuth);

// Position in the trigram list of the Ba Zhai window ("Цянь", "Кань", "Гэнь", "Чжэнь", "Сюнь",
// "Ли", "Кунь", "Дуй") of a mountain: 0..2 -> 1 (Кань), 3..5 -> 2, ... 21..23 -> 0 (Цянь).
int TrigramOfMountain(MountainIndex m);
