// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/person_record.h"

#include <array>
#include <charconv>

#include "cli/cli_args.h"
#include "person/chart_detail_captions.h"
#include "person/chart_details_report.h"
#include "tools/life_stages.h"
#include "tools/na_yin.h"

namespace {

const char* const kPositionIds[kChartPillarCount] = {"year", "month", "day", "hour"};

void AppendNumber(std::string& out, int value) {
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    out.append(buf, r.ptr);
}

std::array<int, 2> PillarArray(const Pillar& p) {
    return {p.stem, p.branch};
}

// `"stem_god":…,"hidden_stems":[…],"hidden_gods":[…]` of every pillar of the sixty against every
// day master, written once: a record holds about a hundred of them, the years of the luck pillars.
const std::string& GodsJson(Stem dayMaster, Pillar p) {
    static const std::vector<std::string> kTable = [] {
        std::vector<std::string> table(10 * 61);
        for (Stem master = 1; master <= 10; ++master) {
            for (int n = 1; n <= 60; ++n) {
                const PillarGods g = PillarGodsOf(master, PillarOfSexagenary(n));
                std::string json =
                    "\"stem_god\":" + JsonString(TenGodId(g.stem)) + ",\"hidden_stems\":[";
                for (int i = 0; i < g.hidden.count; ++i)
                    json += (i ? "," : "") + std::to_string(g.hidden.stems[i]);
                json += "],\"hidden_gods\":[";
                for (int i = 0; i < g.hidden.count; ++i)
                    json += (i ? "," : "") + JsonString(TenGodId(g.hiddenGods[i]));
                table[(master - 1) * 61 + n] = json + "]";
            }
        }
        return table;
    }();
    return kTable[(dayMaster - 1) * 61 + SexagenaryIndex(p.stem, p.branch)];
}

void AddGods(JsonObject& o, const PillarGods& g, bool dayMaster) {
    o.add("stem_god", dayMaster ? std::string(kDayMasterId) : TenGodId(g.stem));
    std::vector<int> stems(g.hidden.begin(), g.hidden.end());
    std::vector<std::string> gods;
    for (int i = 0; i < g.hidden.count; ++i) gods.push_back(TenGodId(g.hiddenGods[i]));
    o.add("hidden_stems", stems).add("hidden_gods", gods);
}

// Gods, stage and void of a birth or luck pillar.
void AddPillarFacts(JsonObject& o, const PillarDetails& d, bool dayMaster) {
    o.add("pillar", PillarArray(d.pillar));
    AddGods(o, d.gods, dayMaster);
    o.add("stage", LifeStageName(d.stage))
        .add("void_by_day", d.voidByDay)
        .add("void_by_year", d.voidByYear);
}

JsonObject Palace(Pillar p) {
    JsonObject o;
    o.add("pillar", PillarArray(p)).add("na_yin", NaYinText(p.stem, p.branch));
    return o;
}

void AddChartFields(JsonObject& r, const PersonCalculation& calc) {
    const PersonChart& c = calc.chart;
    r.add("year", PillarArray(c.year))
        .add("month", PillarArray(c.month))
        .add("day", PillarArray(c.day))
        .add("hour", PillarArray(c.hour))
        .add("term", c.termName)
        .add("epoch_year", c.epochYear)
        .add("great_star", c.greatCycleStar)
        .add("small_star", c.smallCycleStar)
        .add("year_star", c.yearStar)
        .add("month_star", c.monthStar)
        .add("day_star", c.dayStar)
        .add("hour_star", c.hourStar)
        .add("gua", c.guaNumber)
        .add("gua_group",
             c.guaNumber == 1 || c.guaNumber == 3 || c.guaNumber == 4 || c.guaNumber == 9 ? "east"
                                                                                          : "west")
        .add("ba_zhai", calc.texts.baZhai)
        .add("luck_forward", c.luckForward)
        .add("first_luck_age", c.firstLuckAge);
}

void AddDetailFields(JsonObject& r, const ChartDetails& d) {
    r.add("day_master", d.dayMaster);
    std::vector<JsonObject> pillars;
    for (int i = 0; i < kChartPillarCount; ++i) {
        JsonObject o;
        o.add("position", kPositionIds[i]);
        AddPillarFacts(o, d.pillars[i], i == 2);
        pillars.push_back(std::move(o));
    }
    r.addObjects("pillars", pillars)
        .add("void_by_day", {d.voidByDay.first, d.voidByDay.second})
        .add("void_by_year", {d.voidByYear.first, d.voidByYear.second})
        .addObject("conception", Palace(d.palaces.conception))
        .addObject("life_palace", Palace(d.palaces.life))
        .addObject("body_palace", Palace(d.palaces.body));

    std::vector<JsonObject> stars;
    for (const SymbolicStarHit& hit : d.stars) {
        const SymbolicStarRule& rule = SymbolicStarRules()[hit.rule];
        std::vector<std::string> where;
        for (int i = 0; i < kChartPillarCount; ++i)
            if (hit.pillars[i]) where.push_back(kPositionIds[i]);
        JsonObject o;
        o.add("id", rule.id)
            .add("name", rule.characters)
            .add("caption", rule.caption)
            .add("basis", StarBasisId(hit.basis))
            .add("pillars", where);
        stars.push_back(std::move(o));
    }
    r.addObjects("symbolic_stars", stars);

    std::vector<JsonObject> small;
    for (const SmallLuckYear& y : d.smallLuck) {
        JsonObject o;
        o.add("year", y.year).add("age", y.age).add("pillar", PillarArray(y.pillar));
        small.push_back(std::move(o));
    }
    r.addObjects("small_luck", small);

    // The ninety years are most of a record: written straight into the record's buffer.
    std::string& luck = r.rawField("luck_pillars");
    luck += '[';
    JsonObject o;
    for (std::size_t n = 0; n < d.luck.size(); ++n) {
        const LuckPillarDetails& l = d.luck[n];
        o.clear();
        AddPillarFacts(o, l.details, false);
        o.add("age", l.age).add("first_year", l.years[0].year).add("last_year", l.years[9].year);
        luck += n ? ",{" : "{";
        o.appendFields(luck);
        luck += ",\"years\":[";
        for (int k = 0; k < 10; ++k) {
            const LuckPillarYear& y = l.years[k];
            luck += k ? ",{\"year\":" : "{\"year\":";
            AppendNumber(luck, y.year);
            luck += ",\"age\":";
            AppendNumber(luck, y.age);
            luck += ",\"pillar\":[";
            AppendNumber(luck, y.pillar.stem);
            luck += ',';
            AppendNumber(luck, y.pillar.branch);
            luck += "],";
            luck += GodsJson(d.dayMaster, y.pillar);
            luck += '}';
        }
        luck += "]}";
    }
    luck += ']';
}

void AddMonths(JsonObject& r, const ChartDetails& d, int year, const Person& person) {
    std::vector<JsonObject> months;
    for (const ChartMonth& m : ChartMonthsOfYear(d.dayMaster, year)) {
        // The zone and summer shift the birth place's clock shows at the month's beginning.
        const TimeSettings clock = BirthPlaceSettingsAt(m.month.begins, person);
        JsonObject o;
        o.add("pillar", PillarArray(m.month.pillar))
            .add("begins", IsoDateTime(CivilMomentOf(m.month.begins, clock)))
            .add("begins_utc", IsoDateTime(m.month.begins))
            .addShortest("zone_hours", clock.zoneDays() * 24.0)
            .add("summer", clock.summerHours);
        AddGods(o, m.gods, false);
        months.push_back(std::move(o));
    }
    const bool placeRules = BirthPlaceClockOf(person) == BirthPlaceClock::PlaceRules;
    r.add("months_year", year)
        .addObjects("months", months)
        .add("months_clock", placeRules ? "place" : "zone");
}

}  // namespace

void FillPersonRecord(JsonObject& record, const PersonCalculation& calculation,
                      const ChartDetails& details, std::optional<int> monthsYear) {
    AddChartFields(record, calculation);
    AddDetailFields(record, details);
    if (monthsYear) AddMonths(record, details, *monthsYear, calculation.person);
}
