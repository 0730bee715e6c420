// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/key_stars.h"

namespace {

int GateStar(const GeomanticTable& table, int gate, PalaceIndex palace) {
    if (palace < 0 || palace >= Palace::Centre) return 0;
    return table.gates[gate].stars[palace];
}

}  // namespace

CompassSector FacingSectorOf(double x) {
    if (x > 360) x -= 360;
    if (x > 22.5 && x < 67.5) return CompassSector::NE;
    if (x > 67.5 && x < 112.5) return CompassSector::E;
    if (x > 112.5 && x < 157.5) return CompassSector::SE;
    if (x > 157.5 && x < 202.5) return CompassSector::S;
    if (x > 202.5 && x < 247.5) return CompassSector::SW;
    if (x > 247.5 && x < 292.5) return CompassSector::W;
    if (x > 292.5 && x < 337.5) return CompassSector::NW;
    return CompassSector::N;
}

PalaceIndex ReportFacingPalace(double azimuth) {
    return PalaceOfSector(FacingSectorOf(azimuth));
}

PalaceIndex ReportMountainPalace(double azimuth) {
    return PalaceOfSector(FacingSectorOf(azimuth + 180.0));
}

KeyStars KeyStarsOf(const GeomanticTable& table) {
    const PalaceCells& f = table.palaces[ReportFacingPalace(table.azimuth)];
    const PalaceCells& s = table.palaces[ReportMountainPalace(table.azimuth)];
    KeyStars k;
    k.FN = f.facing;
    k.FM = f.mountain;
    k.FB = f.base;
    k.SN = s.facing;
    k.SM = s.mountain;
    k.SB = s.base;
    return k;
}

int StarInMainGate(const GeomanticTable& table, PalaceIndex palace) {
    return GateStar(table, 0, palace);
}

int StarInSecondGate(const GeomanticTable& table, PalaceIndex palace) {
    return GateStar(table, 1, palace);
}
