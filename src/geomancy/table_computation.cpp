// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/table_computation.h"

#include "geomancy/chart_timeliness.h"
#include "geomancy/flying_chart.h"
#include "geomancy/time_stars.h"

TableInputs TableInputs::ForAzimuth(double azimuth, Moment tableDate) {
    TableInputs in;
    in.azimuth = azimuth;
    in.tableDate = tableDate;
    in.facingMountain = MountainOfAzimuth(azimuth);
    in.sittingMountain = in.facingMountain < 0 ? -1 : SittingMountain(in.facingMountain);
    return in;
}

bool ComputeTable(GeomanticTable& table, const TableInputs& inputs, int tablePeriod,
                  const CurrentMoment& moment) {
    const double azimuth = inputs.azimuth;
    if (!(azimuth >= 0 && azimuth <= 360) || tablePeriod < 1 || tablePeriod > 9) return false;

    // The time values of the calculation moment.
    table.currentPeriod = moment.smallCycleStar;
    table.yearStar = moment.yearStar;
    table.monthStar = moment.monthStar;
    table.dayStar = moment.dayStar;
    table.yearBranch = moment.year.branch;
    table.monthBranch = moment.month.branch;
    // The selected mountains.
    table.sittingMountain = MountainCaption(inputs.sittingMountain);
    table.facingMountain = MountainCaption(inputs.facingMountain);
    // The calculation moment, the azimuth and the table date (what the status line tells).
    table.calculationMoment = moment.civil;
    table.azimuth = azimuth;
    table.tableDate = inputs.tableDate;
    // Tai Sui.
    TaiSui(table, table.yearBranch);
    // The chart of the table period.
    table.tablePeriod = tablePeriod;
    FillTableCharts(table, azimuth, tablePeriod);
    // Time layers.
    FillTimeStars(table, table.yearStar, table.monthStar, table.dayStar);
    // Gates.
    FillGateCharts(table, azimuth);
    // Timeliness, flying Tai Sui.
    SetCellPhases(table, table.currentPeriod);
    FeiTaiSuiDrawY(table, table.yearStar, table.yearBranch);
    FeiTaiSuiDrawM(table, table.monthStar, table.yearBranch);
    // Three Killings.
    ShaY(table, table.yearBranch);
    ShaM(table, table.monthBranch);
    return true;
}
