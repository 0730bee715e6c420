#include "geomancy/raschet.h"

#include "calendar/moment_format.h"
#include "geomancy/azimuth_input.h"
#include "geomancy/chart_timeliness.h"
#include "geomancy/flying_chart.h"
#include "geomancy/time_stars.h"

TableInputs TableInputs::ForAzimuth(int azimuth, Moment tableDate) {
    TableInputs in;
    in.azimuth = azimuth;
    in.tableDate = tableDate;
    in.facingMountain = MountainOfAzimuth(azimuth);
    in.sittingMountain = in.facingMountain < 0 ? -1 : SittingMountain(in.facingMountain);
    return in;
}

bool Raschet(GeomanticTable& table, const TableInputs& inputs, int tablePeriod,
             const CurrentMoment& moment, const QLocale& locale) {
    const int azimuth = inputs.azimuth;
    if (azimuth < 0 || azimuth > 360 || tablePeriod < 1 || tablePeriod > 9) return false;

    // 1. The time values of the calculation moment.
    table.currentPeriod = moment.smallCycleStar;
    table.yearStar = moment.yearStar;
    table.monthStar = moment.monthStar;
    table.dayStar = moment.dayStar;
    table.yearBranch = moment.year.branch;
    table.monthBranch = moment.month.branch;
    // 2. The selected mountains.
    table.sittingMountain = MountainCaption(inputs.sittingMountain);
    table.facingMountain = MountainCaption(inputs.facingMountain);
    // 3. The calculation date.
    table.calculationDate = FormatLongDate(moment.civil, locale).toStdString();
    // 4. Azimuth and status line.
    table.azimuth = azimuth;
    table.statusLine = TableStatusLine(azimuth, inputs.tableDate, moment.civil, locale);
    // 5. The interpretation commands become available.
    table.interpretEnabled = true;
    // 6.-7. Frames reset; Tai Sui.
    UnColorRegt(table);
    TaiSui(table, table.yearBranch);
    // 8.-9. The chart of the table period.
    table.tablePeriod = tablePeriod;
    Final_Zapolnenie_216(table, azimuth, tablePeriod);
    // 10.-11. Time layers and their 5 and 2.
    Stars_Zapolnenie(table, table.yearStar, table.monthStar, table.dayStar);
    Wu_Sha(table);
    // 12. Gates.
    Men_Draw(table, azimuth);
    // 13.-15. Timeliness colours, flying Tai Sui, hints.
    Raszvet_Upadok(table, table.currentPeriod);
    FeiTaiSuiDrawY(table, table.yearStar, table.yearBranch);
    FeiTaiSuiDrawM(table, table.monthStar, table.yearBranch);
    HintForStars(table, table.currentPeriod);
    // 16. Everything computed is shown.
    table.cellsVisible = true;
    // 17. Three Killings.
    ShaY(table, table.yearBranch);
    ShaM(table, table.monthBranch);
    // 18. The compass line points in the facing direction.
    table.compassLineAngle = azimuth + 90 > 360 ? azimuth + 90 - 360 : azimuth + 90;
    return true;
}
