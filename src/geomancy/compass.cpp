// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/compass.h"

#include <cmath>

const std::array<MountainInfo, kMountainCount> MountainTable = {{
    {"Жэнь", 338, 352, 345}, {"Цзы", 353, 7, 0},      {"Гуй", 8, 22, 15},
    {"Чоу", 23, 37, 30},     {"Гэнь", 38, 52, 45},    {"Инь", 53, 67, 60},
    {"Цзя", 68, 82, 75},     {"Мао", 83, 97, 90},     {"И", 98, 112, 105},
    {"Чэнь", 113, 127, 120}, {"Сюнь", 128, 142, 135}, {"Сы", 143, 157, 150},
    {"Бин", 158, 172, 165},  {"У", 173, 187, 180},    {"Дин", 188, 202, 195},
    {"Вэй", 203, 217, 210},  {"Кунь", 218, 232, 225}, {"Шэнь", 233, 247, 240},
    {"Гэн", 248, 262, 255},  {"Ю", 263, 277, 270},    {"Синь", 278, 292, 285},
    {"Сюй", 293, 307, 300},  {"Цянь", 308, 322, 315}, {"Хай", 323, 337, 330},
}};

std::string MountainCaption(MountainIndex m) {
    return m >= 0 && m < kMountainCount ? MountainTable[m].caption : "";
}

MountainIndex MountainOfAzimuth(double azimuth) {
    if (!(azimuth >= 0 && azimuth <= 360)) return -1;
    // Mountain k is centred on 15·(k − 1) degrees and spans 7.5 degrees either side.
    return (static_cast<int>(std::floor((azimuth + 7.5) / 15)) + 1) % kMountainCount;
}

MountainIndex SittingMountain(MountainIndex facing) {
    const MountainIndex s = facing + 12;
    return s > 23 ? s - 24 : s;
}

int MountainCentre(MountainIndex m) {
    return MountainTable[m].centre;
}

int ThreeYuanPosition(double azimuth) {
    const MountainIndex m = MountainOfAzimuth(azimuth);
    return m < 0 ? -1 : 2 - m % 3;
}

CompassSector SectorOfAzimuth(double azimuth) {
    const double a = std::fmod(std::fmod(azimuth, 360.0) + 360.0, 360.0);
    return static_cast<CompassSector>(MountainOfAzimuth(a) / 3);
}

int TrigramOfMountain(MountainIndex m) {
    return (m / 3 + 1) % 8;
}
