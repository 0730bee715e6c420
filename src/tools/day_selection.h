// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Choosing days: every day of a date range (up to 20 years) read at one time of day, with the
// facts of the day (pillars, officer, mansion, day star, lunar date, term, the relations of the
// day branch to up to two persons) and whether it passes the criteria, with the reasons.
//
// Each day is computed by the same calendar functions as the calendar window and `days` of the
// command line: year and month from universal time, day from pillar time with the 23:00 turn.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "almanac/almanac_day.h"
#include "astro/local_time.h"
#include "astro/lunisolar_date.h"
#include "calendar/vocabulary.h"
#include "tools/branch_relations.h"

// The longest range searched: twenty years and a day.
constexpr int kMaxSelectionDays = 7306;
constexpr int kMaxSelectionPersons = 2;

// A person's branches as the criteria take them: from a person file or typed. 0 = not given.
struct PersonBranches {
    std::string name;  // shown in the reasons; "человек 1" when empty
    Branch year = 0;
    Branch day = 0;
};

// Which branch of a person a relation is about.
enum class PersonBranchKind { Year, Day };

// The criteria. An empty set lets every value pass.
struct DayCriteria {
    double timeOfDay = 0.5;     // fraction of a day at which each day is read
    std::set<int> officers;     // 1..12: only these officers
    std::set<int> notOfficers;  // 1..12: never these
    std::set<int> mansions;     // 1..28
    std::set<int> notMansions;
    std::set<int> dayStars;               // 1..9
    std::set<int> lunarDays;              // 1..30
    std::vector<PersonBranches> persons;  // up to kMaxSelectionPersons
    bool noClashWithPersonYear = false;   // the day branch must not clash a person's year branch
    bool noClashWithPersonDay = false;    // ... nor a person's day branch
    bool noMonthBreaker = false;          // the day branch must not clash the month branch
    bool noYearBreaker = false;           // ... nor the year branch
    bool noTermDay = false;               // no solar term may begin on the day
    bool yellowRoadOnly = false;  // "только желтый путь": the day's spirit on the yellow road
    // "без столкновения с ветвью человека в часе": the day's auspicious hours are only those whose
    // branch clashes with no year or day branch of a person, and the day must keep one of them.
    bool noHourClashWithPerson = false;
};

// The relations of the day branch with one branch of one person.
struct PersonRelation {
    int person = 0;  // index into DayCriteria::persons
    PersonBranchKind kind = PersonBranchKind::Year;
    Branch branch = 0;  // the person's branch
    std::vector<BranchRelation> relations;
};

struct DayFacts {
    Moment date = 0;   // the civil day, 00:00
    Moment civil = 0;  // the moment read: date + time of day
    Pillar year, month, day;
    int officer = 0;  // DayOfficer(month branch, day branch)
    int mansion = 0;
    int dayStar = 0;
    LunarDate lunar;            // of pillar time + 1 hour
    std::string term;           // the term in force
    TermIndex termBegins = -1;  // a term whose instant falls on this (pillar) day, or -1
    Moment termInstant = 0;     // its instant, civil time of the chosen zone
    std::vector<PersonRelation> persons;
    AlmanacDay almanac;  // of the day read, its hours on the clock of the settings
};

struct DayVerdict {
    DayFacts facts;
    bool chosen = false;
    std::vector<std::string> failed;  // the criteria the day does not meet, one text each
};

// The facts of one day for the criteria's time of day and persons (`terms` from TermDays).
using TermDayMap = std::map<long, TermIndex>;
DayFacts FactsOfDay(Moment date, const DayCriteria& criteria, const TimeSettings& settings,
                    const TermDayMap& terms);
// The pillar days (floor of pillar time + 1 hour) on which a term begins, for the Gregorian
// years first..last and one year around them.
TermDayMap TermDays(int firstYear, int lastYear, const TimeSettings& settings);
// The criteria the facts do not meet (empty: the day is chosen).
std::vector<std::string> FailedCriteria(const DayFacts& facts, const DayCriteria& criteria);

// Every fact of the day as a line of text, for tooltips, the list and the exported files:
// "Цзянь: Кай. Раскрытие (11)", "Созвездие: 19", ...
std::vector<std::string> DayReasons(const DayFacts& facts, const DayCriteria& criteria);
// "человек 1" or the person's name.
std::string PersonCaption(const DayCriteria& criteria, int person);

// Checks the range and the criteria: an empty string when they are sound, else the message.
std::string CheckSelection(Moment from, Moment to, const DayCriteria& criteria);

// The search over [from, to] (day counts at 00:00), a step at a time, so that a window can keep
// answering and show progress. Uses the shared term and new-moon memos: one thread only.
class DaySearch {
public:
    // The range and criteria must have passed CheckSelection.
    DaySearch(Moment from, Moment to, DayCriteria criteria, TimeSettings settings);

    // Reads up to `count` more days; false once the range is done.
    bool Step(int count);
    bool Done() const { return next_ > to_; }
    int Total() const { return static_cast<int>(to_ - from_) + 1; }
    int Counted() const { return static_cast<int>(next_ - from_); }

    // Every day read so far, chosen or not, in date order.
    const std::vector<DayVerdict>& Days() const { return days_; }
    const DayCriteria& Criteria() const { return criteria_; }

private:
    Moment from_, to_, next_;
    DayCriteria criteria_;
    TimeSettings settings_;
    TermDayMap terms_;
    std::vector<DayVerdict> days_;
};

// The whole search at once: the chosen days only.
std::vector<DayVerdict> SelectDays(Moment from, Moment to, const DayCriteria& criteria,
                                   const TimeSettings& settings);
