// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/day_selection.h"

#include <cmath>
#include <utility>

#include "astro/moment.h"
#include "astro/solar_terms.h"
#include "calendar/month_pillar.h"
#include "calendar/nine_stars.h"
#include "calendar/pillars.h"
#include "tools/day_almanac.h"

namespace {

constexpr double kOneHour = 1.0 / 24.0;

// The day a pillar-time moment belongs to, turning at 23:00 as the day pillar does.
long PillarDay(Moment pillarTime) {
    return static_cast<long>(std::floor(pillarTime + kOneHour));
}

std::string ShortPillar(Pillar p) {
    return StemName(p.stem) + "-" + BranchName(p.branch);
}

std::string TwoDigits(int n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

std::string ClockText(Moment x) {
    const CivilDateTime t = DecodeMoment(x);
    return TwoDigits(t.hour) + ":" + TwoDigits(t.minute);
}

std::string KindWord(PersonBranchKind kind) {
    return kind == PersonBranchKind::Year ? "ветвь года" : "ветвь дня";
}

bool Clashes(Branch a, Branch b) {
    return HasBranchRelation(a, b, BranchRelation::Clash);
}

bool Passes(const std::set<int>& only, int value) {
    return only.empty() || only.count(value);
}

}  // namespace

TermDayMap TermDays(int firstYear, int lastYear, const TimeSettings& settings) {
    TermDayMap days;
    for (int year = firstYear - 1; year <= lastYear + 1; ++year) {
        for (TermIndex k = 0; k < 24; ++k) {
            const Moment universal = TermInstant(year, k);
            days[PillarDay(PillarOfZone(ZoneOfUniversal(universal, settings), settings))] = k;
        }
    }
    return days;
}

DayFacts FactsOfDay(Moment date, const DayCriteria& criteria, const TimeSettings& settings,
                    const TermDayMap& terms) {
    DayFacts f;
    f.date = date;
    f.civil = date + criteria.timeOfDay;
    const Moment zone = ZoneMomentOf(f.civil, settings);
    const Moment universal = UniversalOfZone(zone, settings);
    const Moment pillarTime = PillarOfZone(zone, settings);

    f.year = YearPillar(universal);
    f.day = Pillar{DayStem(pillarTime), DayBranch(pillarTime)};
    f.lunar = LunisolarDate(pillarTime + kOneHour);
    f.mansion = MansionOfDay(pillarTime);
    SeasonInfo season;
    f.month = MonthInForceAt(universal, f.year.stem, season).pillar;
    f.term = season.termName;
    f.officer = DayOfficer(f.month.branch, f.day.branch);
    f.dayStar = DayStar(f.day.stem, f.day.branch, season.termName);
    f.almanac = AlmanacOfDay(f.month.branch, f.day, PillarDay(pillarTime), settings);

    const auto term = terms.find(PillarDay(pillarTime));
    if (term != terms.end()) {
        f.termBegins = term->second;
        const int year = YearOfMoment(universal);
        // The instant lies within a day of the moment read, so in its Gregorian year or next to it.
        for (int y : {year, year - 1, year + 1}) {
            const Moment instant = TermInstant(y, f.termBegins);
            if (std::fabs(instant - universal) < 2) {
                f.termInstant = CivilMomentOf(instant, settings);
                break;
            }
        }
    }

    for (int i = 0; i < static_cast<int>(criteria.persons.size()); ++i) {
        const PersonBranches& p = criteria.persons[i];
        for (auto [kind, branch] :
             {std::pair{PersonBranchKind::Year, p.year}, std::pair{PersonBranchKind::Day, p.day}}) {
            if (!IsValidBranch(branch)) continue;
            f.persons.push_back({i, kind, branch, RelationsOfBranches(f.day.branch, branch)});
        }
    }
    return f;
}

std::vector<std::string> FailedCriteria(const DayFacts& f, const DayCriteria& c) {
    std::vector<std::string> failed;
    if (!Passes(c.officers, f.officer)) failed.push_back("цзянь не из выбранных");
    if (c.notOfficers.count(f.officer)) failed.push_back("цзянь исключен");
    if (!Passes(c.mansions, f.mansion)) failed.push_back("созвездие не из выбранных");
    if (c.notMansions.count(f.mansion)) failed.push_back("созвездие исключено");
    if (!Passes(c.dayStars, f.dayStar)) failed.push_back("звезда дня не из выбранных");
    if (!Passes(c.lunarDays, f.lunar.day)) failed.push_back("лунный день не из выбранных");
    for (const PersonRelation& r : f.persons) {
        const bool wanted =
            r.kind == PersonBranchKind::Year ? c.noClashWithPersonYear : c.noClashWithPersonDay;
        if (wanted && Clashes(f.day.branch, r.branch))
            failed.push_back("столкновение с ветвью " +
                             std::string(r.kind == PersonBranchKind::Year ? "года" : "дня") + ": " +
                             PersonCaption(c, r.person));
    }
    if (c.noMonthBreaker && Clashes(f.day.branch, f.month.branch))
        failed.push_back("разрушитель месяца");
    if (c.noYearBreaker && Clashes(f.day.branch, f.year.branch))
        failed.push_back("разрушитель года");
    if (c.noTermDay && f.termBegins >= 0) failed.push_back("день смены сезона");
    if (c.yellowRoadOnly && !f.almanac.yellowRoad) failed.push_back("черный путь");
    if (c.noHourClashWithPerson && SuitableHours(f, c).empty())
        failed.push_back("нет благоприятного часа");
    return failed;
}

std::string PersonCaption(const DayCriteria& criteria, int person) {
    if (person >= 0 && person < static_cast<int>(criteria.persons.size()) &&
        !criteria.persons[person].name.empty())
        return criteria.persons[person].name;
    return "человек " + std::to_string(person + 1);
}

std::vector<std::string> DayReasons(const DayFacts& f, const DayCriteria& c) {
    std::vector<std::string> lines;
    lines.push_back("День: " + ShortPillar(f.day) + ", месяц: " + ShortPillar(f.month) +
                    ", год: " + ShortPillar(f.year));
    lines.push_back("Цзянь: " + OfficerName(f.officer));
    lines.push_back("Созвездие: " + std::to_string(f.mansion));
    std::string colour;
    StarColourName(f.dayStar, colour);
    lines.push_back("Звезда дня: " + std::to_string(f.dayStar) + " " + colour);
    lines.push_back("Лунная дата: месяц " + std::to_string(f.lunar.month) +
                    (f.lunar.leap ? " (дополнительный)" : "") + ", день " +
                    std::to_string(f.lunar.day));
    lines.push_back("Сезон: " + f.term);
    if (f.termBegins >= 0)
        lines.push_back("Смена сезона: " + std::string(TermOf(f.termBegins).name) +
                        (f.termInstant != 0 ? " в " + ClockText(f.termInstant) : std::string()));
    if (Clashes(f.day.branch, f.month.branch)) lines.push_back("Разрушитель месяца");
    if (Clashes(f.day.branch, f.year.branch)) lines.push_back("Разрушитель года");
    for (const PersonRelation& r : f.persons) {
        std::string text;
        for (BranchRelation relation : r.relations)
            text += (text.empty() ? "" : ", ") + BranchRelationName(relation);
        lines.push_back(PersonCaption(c, r.person) + ", " + KindWord(r.kind) + " " +
                        BranchName(r.branch) + ": " + (text.empty() ? "нет отношений" : text));
    }
    return lines;
}

std::string CheckSelection(Moment from, Moment to, const DayCriteria& criteria) {
    if (to < from) return "Конец диапазона раньше начала.";
    if (to - from + 1 > kMaxSelectionDays) return "Диапазон длиннее 20 лет.";
    if (criteria.timeOfDay < 0 || criteria.timeOfDay >= 1) return "Время дня вне суток.";
    if (static_cast<int>(criteria.persons.size()) > kMaxSelectionPersons)
        return "Можно указать не более двух человек.";
    for (const auto* values : {&criteria.officers, &criteria.notOfficers})
        for (int v : *values)
            if (v < 1 || v > 12) return "Цзянь — число от 1 до 12.";
    for (const auto* values : {&criteria.mansions, &criteria.notMansions})
        for (int v : *values)
            if (v < 1 || v > 28) return "Созвездие — число от 1 до 28.";
    for (int v : criteria.dayStars)
        if (v < 1 || v > 9) return "Звезда дня — число от 1 до 9.";
    for (int v : criteria.lunarDays)
        if (v < 1 || v > 30) return "Лунный день — число от 1 до 30.";
    return {};
}

DaySearch::DaySearch(Moment from, Moment to, DayCriteria criteria, TimeSettings settings)
    : from_(std::floor(from)),
      to_(std::floor(to)),
      next_(from_),
      criteria_(std::move(criteria)),
      settings_(std::move(settings)),
      terms_(TermDays(YearOfMoment(from_), YearOfMoment(to_), settings_)) {
    days_.reserve(static_cast<std::size_t>(Total()));
}

bool DaySearch::Step(int count) {
    for (int i = 0; i < count && !Done(); ++i, next_ += 1) {
        DayVerdict v;
        v.facts = FactsOfDay(next_, criteria_, settings_, terms_);
        v.failed = FailedCriteria(v.facts, criteria_);
        v.chosen = v.failed.empty();
        days_.push_back(std::move(v));
    }
    return !Done();
}

std::vector<DayVerdict> SelectDays(Moment from, Moment to, const DayCriteria& criteria,
                                   const TimeSettings& settings) {
    DaySearch search(from, to, criteria, settings);
    search.Step(search.Total());
    std::vector<DayVerdict> chosen;
    for (const DayVerdict& v : search.Days())
        if (v.chosen) chosen.push_back(v);
    return chosen;
}
