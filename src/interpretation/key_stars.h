// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stars of a geomantic table that the interpretation reads first: the three stars of the
// facing palace and of the mountain palace opposite it, and the stars of the two gate charts.
#include "geomancy/compass.h"
#include "geomancy/geomantic_table.h"
#include "geomancy/palaces.h"

// Sector of an azimuth in degrees (a real number): above 360 it is first reduced by 360, once.
// Then NE for 22.5 < x < 67.5, E for 67.5 < x < 112.5, ... NW for 292.5 < x < 337.5, and N for
// everything else (so whole degrees 0–22 and 338–360 are north).
CompassSector FacingSectorOf(double azimuth);

// The facing palace: the outer palace in the sector of the facing azimuth A.
PalaceIndex ReportFacingPalace(double azimuth);
// The mountain palace: the outer palace in the sector of A + 180.
PalaceIndex ReportMountainPalace(double azimuth);

// FN, FM, FB: facing, mountain and base star of the facing palace; SN, SM, SB: those of the
// mountain palace.
struct KeyStars {
    int FN = 0, FM = 0, FB = 0;
    int SN = 0, SM = 0, SB = 0;
};
KeyStars KeyStarsOf(const GeomanticTable& table);

// The star that the first (main) and the second (additional) gate chart show in an outer palace
// (PalaceIndex 0..7); 0 for any other index.
int StarInMainGate(const GeomanticTable& table, PalaceIndex palace);
int StarInSecondGate(const GeomanticTable& table, PalaceIndex palace);
