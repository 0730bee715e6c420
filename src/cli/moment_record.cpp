// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/moment_record.h"

#include "calendar/nine_stars.h"

void FillMomentRecord(JsonObject& record, const MomentCalendar& c, const std::string& date) {
    const CurrentMoment& m = c.moment;
    record.clear();
    record.add("date", date)
        .add("year", {m.year.stem, m.year.branch})
        .add("month", {m.month.stem, m.month.branch})
        .add("day", {m.day.stem, m.day.branch})
        .add("hour", {m.hour.stem, m.hour.branch})
        .add("term", c.season.termName)
        .add("month_branch", m.month.branch)
        .add("epoch_year", m.epochYear)
        .add("great_star", m.greatCycleStar)
        .add("small_star", m.smallCycleStar)
        .add("year_star", m.yearStar)
        .add("month_star", m.monthStar)
        .add("day_star", m.dayStar)
        .add("hour_star", m.hourStar)
        .add("lunar_month", c.lunar.month)
        .add("lunar_day", c.lunar.day)
        .add("lunar_leap", c.lunar.leap)
        .add("lunar_epoch_year", c.lunar.lunarEpochYear)
        .add("mansion", m.mansion)
        .add("officer", DayOfficer(m.month.branch, m.day.branch));
}

std::string ShortPillar(Pillar p) {
    return StemName(p.stem) + "-" + BranchName(p.branch);
}
