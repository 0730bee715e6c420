#include "cli/moment_record.h"

#include "calendar/nine_stars.h"

namespace {

std::vector<int> PillarArray(Pillar p) { return {p.stem, p.branch}; }

}  // namespace

JsonObject MomentRecordJson(const MomentCalendar& c, const std::string& date) {
    const CurrentMoment& m = c.moment;
    JsonObject o;
    o.add("date", date)
        .add("year", PillarArray(m.year))
        .add("month", PillarArray(m.month))
        .add("day", PillarArray(m.day))
        .add("hour", PillarArray(m.hour))
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
        .add("officer", Chzang(m.month.branch, m.day.branch));
    return o;
}

std::string ShortPillar(Pillar p) { return StemName(p.stem) + "-" + BranchName(p.branch); }

std::string StarWithColour(int star) {
    std::string colour;
    StarColourName(star, colour);
    return std::to_string(star) + " " + colour;
}
