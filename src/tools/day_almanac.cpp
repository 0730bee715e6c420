// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/day_almanac.h"

#include "almanac/almanac_lines.h"
#include "tools/day_selection.h"

std::vector<AlmanacHour> SuitableHours(const DayFacts& facts, const DayCriteria& criteria) {
    std::vector<AlmanacHour> hours;
    for (const AlmanacHour& h : facts.almanac.hours) {
        if (!h.yellowRoad) continue;
        bool clashes = false;
        if (criteria.noHourClashWithPerson)
            for (const PersonBranches& p : criteria.persons)
                for (Branch b : {p.year, p.day})
                    clashes |=
                        IsValidBranch(b) && HasBranchRelation(h.branch, b, BranchRelation::Clash);
        if (!clashes) hours.push_back(h);
    }
    return hours;
}

std::vector<std::string> DayAlmanacLines(const DayFacts& facts, const DayCriteria& criteria) {
    AlmanacDay suitable = facts.almanac;
    // The hours line lists only the suitable hours: mark the others as not on the yellow road.
    const std::vector<AlmanacHour> hours = SuitableHours(facts, criteria);
    for (AlmanacHour& h : suitable.hours) {
        bool kept = false;
        for (const AlmanacHour& k : hours) kept |= k.branch == h.branch;
        h.yellowRoad = kept;
    }
    return {SpiritLine(facts.almanac), ClashLine(facts.almanac), AuspiciousHoursLine(suitable)};
}
