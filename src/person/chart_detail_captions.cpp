// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/chart_detail_captions.h"

#include <array>

#include "person/chinese_characters.h"
#include "tools/life_stages.h"
#include "tools/na_yin.h"

const char* const kDayMasterCaption = "Хозяин дня";
const char* const kDayMasterCharacters = "日主";
const char* const kDayMasterId = "day_master";

namespace {

struct GodWords {
    std::string characters, caption, id;
};

const std::array<GodWords, kTenGodCount> kGods = {{
    {"比肩", "Друг", "friend"},
    {"劫财", "Соперник", "rival"},
    {"食神", "Едок", "eater"},
    {"伤官", "Бунтарь", "rebel"},
    {"偏财", "Косвенное богатство", "indirect_wealth"},
    {"正财", "Прямое богатство", "direct_wealth"},
    {"七杀", "Семь убийств", "seven_killings"},
    {"正官", "Прямой чиновник", "direct_officer"},
    {"偏印", "Косвенная печать", "indirect_seal"},
    {"正印", "Прямая печать", "direct_seal"},
}};

const GodWords& Words(TenGod god) {
    return kGods[static_cast<int>(god)];
}

constexpr int kDayPillar = 2;

}  // namespace

const std::string& TenGodCaption(TenGod god) {
    return Words(god).caption;
}
const std::string& TenGodCharacters(TenGod god) {
    return Words(god).characters;
}
const std::string& TenGodId(TenGod god) {
    return Words(god).id;
}

std::string StemGodCaption(const ChartDetails& d, int pillarIndex) {
    if (pillarIndex == kDayPillar) return kDayMasterCaption;
    return TenGodCaption(d.pillars[pillarIndex].gods.stem);
}

std::string HiddenStemsText(const PillarGods& g) {
    std::string text;
    for (Stem s : g.hidden) text += (text.empty() ? "" : " ") + StemCharacter(s);
    return text;
}

std::string HiddenGodsText(const PillarGods& g) {
    std::string text;
    for (int i = 0; i < g.hidden.count; ++i)
        text += (i ? ", " : "") + TenGodCaption(g.hiddenGods[i]);
    return text;
}

const std::string& StageCaption(const PillarDetails& d) {
    return LifeStageName(d.stage);
}

std::string VoidMark(const PillarDetails& d) {
    if (d.voidByDay && d.voidByYear) return "Пустота (день, год)";
    if (d.voidByDay) return "Пустота (день)";
    if (d.voidByYear) return "Пустота (год)";
    return std::string();
}

std::string VoidPairCharacters(const VoidPair& v) {
    return BranchCharacter(v.first) + BranchCharacter(v.second);
}

const std::string& ChartPillarName(int pillarIndex) {
    static const std::array<std::string, kChartPillarCount> kNames = {"Год", "Месяц", "День",
                                                                      "Час"};
    return kNames[pillarIndex];
}

const std::string& StarBasisCaption(StarBasis basis) {
    static const std::array<std::string, 4> kCaptions = {"ствол дня", "ветвь года", "ветвь дня",
                                                         "ветвь месяца"};
    return kCaptions[static_cast<int>(basis)];
}

const std::string& StarBasisId(StarBasis basis) {
    static const std::array<std::string, 4> kIds = {"day_stem", "year_branch", "day_branch",
                                                    "month_branch"};
    return kIds[static_cast<int>(basis)];
}

std::string SymbolicStarCaption(int ruleIndex) {
    const SymbolicStarRule& r = SymbolicStarRules()[ruleIndex];
    return std::string(r.characters) + " " + r.caption;
}

std::string StarPillarsText(const SymbolicStarHit& hit) {
    std::string text;
    for (int i = 0; i < kChartPillarCount; ++i)
        if (hit.pillars[i]) text += (text.empty() ? "" : ", ") + ChartPillarName(i);
    return text;
}

std::string PalaceText(Pillar p) {
    return PillarCharacters(p) + " " + NaYinText(p.stem, p.branch);
}
