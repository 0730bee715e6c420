// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flying-star chart of a dwelling: the base chart of the table period, the mountain-star and
// facing-star charts by the flight rule or, in the outer degrees of a mountain, by the replacement
// table, and the two gate charts.
#include <optional>
#include <string>

#include "geomancy/geomantic_table.h"
#include "geomancy/palaces.h"

// ------------------------------------------------------------------ zones of a mountain
// Half the width of a mountain's normal zone, degrees: whole degrees up to 3 from the centre lie
// in it, whole degrees 4..7 in the replacement zone.
constexpr double kNormalZoneHalfWidth = 3.5;
// True when an azimuth 0..360 degrees lies less than 3.5 degrees from its mountain's centre (the
// normal zone); false in the outer degrees on either side (the replacement zone) and outside
// 0..360.
bool InNormalZone(double azimuth);
// Signed distance in degrees of an azimuth 0..360 from the centre of its mountain, −7.5..+7.5
// (clockwise positive).
double OffsetFromMountainCentre(double azimuth);

// ------------------------------------------------------------------ flight rule
// Polarity rule: whether star `star` flies forward from the centre, for an azimuth of position
// `yuan` (ThreeYuanPosition). The reference palace is the star's home palace, or `palaceOfFive` for
// a 5. In Kan, Zhen, Li and Dui the earth position (2) is yang; in the other palaces it is yin
// and the other two yang. Yang flies forward.
bool FliesForward(int star, int yuan, PalaceIndex palaceOfFive);

struct FlightParameters {
    int period = 0;        // table period: centre of the base chart
    int mountainStar = 0;  // centre of the mountain-star chart
    bool mountainForward = true;
    int facingStar = 0;  // centre of the facing-star chart
    bool facingForward = true;
    bool normalZone = true;
    int remark = 0;  // replacement remark number, 0 for none
};

// Flight parameters of an azimuth 0..360 and a table period 1..9; std::nullopt outside them.
std::optional<FlightParameters> ChartParameters(double azimuth, int period);

struct StarCharts {
    PalaceStarArray base{};
    PalaceStarArray mountain{};
    PalaceStarArray facing{};
};

// The three charts: a forward flight of the period, and flights of the mountain and facing
// centre stars in their directions (flag set = forward).
StarCharts FlyThreeCharts(int period, int mountainStar, bool facingForward, bool mountainForward,
                          int facingStar);

// The chart step of the computation: sets the comment to "НЕТ." or the replacement remark and
// fills the three charts. An azimuth outside 0..360 or a period outside 1..9 changes nothing
// (false).
bool FillTableCharts(GeomanticTable& table, double azimuth, int period);

// ------------------------------------------------------------------ gates
// The two palaces beside the facing palace: the main gate (A) and the additional gate (B).
PalaceIndex GatePalaceA(double azimuth);
PalaceIndex GatePalaceB(double azimuth);

// One gate flight: the star at the centre flies by the polarity rule with the azimuth's position
// and, for a 5, the facing palace as reference. All zero for a star outside 1..9.
PalaceStarArray FlyGateStar(double azimuth, int centreStar);

// Both gate charts from the base stars of the gate palaces of the chart in `table`.
void FillGateCharts(GeomanticTable& table, double azimuth);
