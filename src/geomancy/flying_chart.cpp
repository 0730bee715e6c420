// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/flying_chart.h"

#include <array>
#include <cmath>

#include "geomancy/compass.h"
#include "geomancy/replacement_table.h"

namespace {

// The normal-zone entries that stand apart from the polarity rule.
struct Departure {
    MountainIndex facing;
    int period;
    bool mountainStar;  // true: the mountain star's direction, false: the facing star's
    bool forward;
};

const std::array<Departure, 4> kDepartures = {{
    {2, 5, false, true},   // Гуй, period 5: facing star 1 flies forward
    {16, 5, true, false},  // Кунь, period 5: mountain star 8 flies backward
    {19, 3, true, true},   // Ю, period 3: mountain star 1 flies forward
    {20, 3, true, true},   // Синь, period 3: mountain star 1 flies forward
}};

bool ValidAzimuth(double azimuth) {
    return azimuth >= 0 && azimuth <= 360;
}

}  // namespace

double OffsetFromMountainCentre(double azimuth) {
    const MountainIndex m = MountainOfAzimuth(azimuth);
    if (m < 0) return 0;
    const double d = azimuth - MountainCentre(m);
    return d > 180 ? d - 360 : d;
}

bool InNormalZone(double azimuth) {
    if (!ValidAzimuth(azimuth)) return false;
    // The normal zone spans 3.5 degrees either side of the centre: whole degrees −3..+3.
    const double d = OffsetFromMountainCentre(azimuth);
    return d > -kNormalZoneHalfWidth && d < kNormalZoneHalfWidth;
}

bool FliesForward(int star, int yuan, PalaceIndex palaceOfFive) {
    const PalaceIndex reference = star == 5 ? palaceOfFive : HomePalace(star);
    const bool earth = yuan == 2;
    return IsCardinalPalace(reference) ? earth : !earth;
}

std::optional<FlightParameters> ChartParameters(double azimuth, int period) {
    if (!ValidAzimuth(azimuth) || period < 1 || period > 9) return std::nullopt;
    const MountainIndex facing = MountainOfAzimuth(azimuth);
    FlightParameters p;
    p.period = period;
    p.normalZone = InNormalZone(azimuth);
    if (!p.normalZone) {
        const ReplacementEntry& e = ReplacementOf(facing, period);
        p.mountainStar = e.mountainStar;
        p.mountainForward = e.mountainForward;
        p.facingStar = e.facingStar;
        p.facingForward = e.facingForward;
        p.remark = e.remark;
        return p;
    }
    const PalaceStarArray base = Flight(period, true);
    const PalaceIndex facingPalace = FacingPalace(azimuth);
    const PalaceIndex sittingPalace = SittingPalace(azimuth);
    const int yuan = ThreeYuanPosition(azimuth);
    p.mountainStar = base[sittingPalace];
    p.mountainForward = FliesForward(p.mountainStar, yuan, sittingPalace);
    p.facingStar = base[facingPalace];
    p.facingForward = FliesForward(p.facingStar, yuan, facingPalace);
    for (const Departure& d : kDepartures) {
        if (d.facing != facing || d.period != period) continue;
        (d.mountainStar ? p.mountainForward : p.facingForward) = d.forward;
    }
    return p;
}

StarCharts FlyThreeCharts(int period, int mountainStar, bool facingForward, bool mountainForward,
                          int facingStar) {
    return {Flight(period, true), Flight(mountainStar, mountainForward),
            Flight(facingStar, facingForward)};
}

bool FillTableCharts(GeomanticTable& table, double azimuth, int period) {
    const auto p = ChartParameters(azimuth, period);
    if (!p) return false;
    const StarCharts charts = FlyThreeCharts(p->period, p->mountainStar, p->facingForward,
                                             p->mountainForward, p->facingStar);
    for (PalaceIndex i = 0; i < kPalaceCount; ++i) {
        table.palaces[i].base = charts.base[i];
        table.palaces[i].mountain = charts.mountain[i];
        table.palaces[i].facing = charts.facing[i];
    }
    table.normalZone = p->normalZone;
    table.chartComment = p->remark != 0 ? ChartRemark(p->remark) : "НЕТ.";
    return true;
}

PalaceIndex GatePalaceA(double azimuth) {
    static const std::array<PalaceIndex, 8> kBySector = {Palace::Qian, Palace::Zhen, Palace::Gen,
                                                         Palace::Li,   Palace::Xun,  Palace::Dui,
                                                         Palace::Kun,  Palace::Kan};
    return kBySector[static_cast<int>(SectorOfAzimuth(azimuth))];
}

PalaceIndex GatePalaceB(double azimuth) {
    static const std::array<PalaceIndex, 8> kBySector = {Palace::Gen,  Palace::Kan, Palace::Xun,
                                                         Palace::Zhen, Palace::Kun, Palace::Li,
                                                         Palace::Qian, Palace::Dui};
    return kBySector[static_cast<int>(SectorOfAzimuth(azimuth))];
}

PalaceStarArray FlyGateStar(double azimuth, int centreStar) {
    if (centreStar < 1 || centreStar > 9) return PalaceStarArray{};
    const double a = std::fmod(std::fmod(azimuth, 360.0) + 360.0, 360.0);
    return Flight(centreStar, FliesForward(centreStar, ThreeYuanPosition(a), FacingPalace(a)));
}

void FillGateCharts(GeomanticTable& table, double azimuth) {
    const std::array<PalaceIndex, 2> gatePalaces = {GatePalaceA(azimuth), GatePalaceB(azimuth)};
    for (int g = 0; g < 2; ++g) {
        GateChart& gate = table.gates[g];
        gate.palace = gatePalaces[g];
        gate.stars = FlyGateStar(azimuth, table.palaces[gate.palace].base);
    }
}
