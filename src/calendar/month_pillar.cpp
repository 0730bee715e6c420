// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/month_pillar.h"

#include "calendar/pillars.h"

namespace {

// One millisecond, in days: the step past a term instant at which that term is in force.
constexpr double kOneMillisecond = 1.0 / 86400000.0;

}  // namespace

MonthInForce MonthInForceAt(Moment universal, Stem yearStem, SeasonInfo& season) {
    season.term = -1;
    season.monthBranch = 0;
    season.seasonMonthName.clear();
    season.termName.clear();
    MonthInForce month;
    month.readAt = universal;
    if (!SeasonOfMoment(universal, season)) {
        month.readAt = universal + kOneMillisecond;
        SeasonOfMoment(month.readAt, season);
    }
    month.pillar = Pillar{MonthStem(season.monthBranch, yearStem), season.monthBranch};
    return month;
}
