// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/almanac_record.h"

#include "almanac/almanac_lines.h"
#include "almanac/day_taboos.h"

void AddAlmanacFields(JsonObject& record, const AlmanacDay& day) {
    std::vector<int> hourSpirits;
    std::vector<JsonObject> auspicious;
    for (const AlmanacHour& h : day.hours) {
        hourSpirits.push_back(h.spirit);
        if (!h.yellowRoad) continue;
        JsonObject hour;
        hour.add("branch", h.branch)
            .add("from", ClockMinutes(h.civilFrom))
            .add("to", ClockMinutes(h.civilTo));
        auspicious.push_back(std::move(hour));
    }
    record.add("spirit", day.spirit)
        .add("yellow_road", day.yellowRoad)
        .add("clash", {day.clash.stem, day.clash.branch})
        .add("sha", DirectionCode(day.sha))
        .add("joy", DirectionCode(day.gods.joy))
        .add("wealth", DirectionCode(day.gods.wealth))
        .add("yang_noble", DirectionCode(day.gods.yangNoble))
        .add("yin_noble", DirectionCode(day.gods.yinNoble))
        .add("taboos", std::vector<std::string>{StemTaboo(day.day.stem).hanzi,
                                                BranchTaboo(day.day.branch).hanzi})
        .add("hour_spirits", hourSpirits)
        .addObjects("auspicious_hours", auspicious);
}

void PrintAlmanacLines(const AlmanacDay& day, const char* indent, std::ostream& out) {
    for (const std::string& line : AlmanacLines(day)) out << indent << line << "\n";
}
