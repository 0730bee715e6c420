// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/almanac_day.h"

#include "almanac/clash_sha.h"
#include "almanac/day_spirits.h"
#include "calendar/day_count.h"

namespace {

constexpr double kOneHour = 1.0 / 24.0;

}  // namespace

AlmanacDay AlmanacOfDay(MonthBranch monthBranch, Pillar day, long pillarDay,
                        const TimeSettings& settings) {
    AlmanacDay a;
    a.day = day;
    a.spirit = DaySpirit(monthBranch, day.branch);
    a.yellowRoad = Spirit(a.spirit).yellowRoad;
    a.clash = ClashPillar(day);
    a.sha = ShaDirection(day.branch);
    a.gods = GodsDirectionsOfStem(day.stem);
    // Pillar time runs beside the clock by a fixed offset under one set of settings (the summer
    // shift, and the zone and longitude while the longitude switch is on): the clock time of an
    // hour is its pillar time plus that offset.
    const Moment probe = static_cast<Moment>(pillarDay);
    const double clockAhead = probe - PillarMomentOf(probe, settings);
    for (Branch b = 1; b <= 12; ++b) {
        AlmanacHour& h = a.hours[b - 1];
        h.branch = b;
        h.spirit = HourSpirit(day.branch, b);
        h.yellowRoad = Spirit(h.spirit).yellowRoad;
        h.civilFrom = pillarDay + (2 * b - 3) * kOneHour + clockAhead;
        h.civilTo = h.civilFrom + 2 * kOneHour;
    }
    return a;
}

AlmanacDay AlmanacOfCalendar(const MomentCalendar& calendar, const TimeSettings& settings) {
    return AlmanacOfDay(calendar.moment.month.branch, calendar.moment.day,
                        CivilDayOf(calendar.pillarTime), settings);
}
