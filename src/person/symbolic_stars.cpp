// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/symbolic_stars.h"

#include <string_view>

#include "person/chinese_characters.h"

namespace {

constexpr std::string_view kArrow = "→";
constexpr std::size_t kCharBytes = kCharacterBytes;

// The stem or branch of the character at `text` (three bytes); value 0 for anything else.
StarTarget CharAt(std::string_view text) {
    const std::string_view c = text.substr(0, kCharBytes);
    if (const auto s = kStemCharacters.find(c); s != std::string_view::npos && s % kCharBytes == 0)
        return {true, static_cast<int>(s / kCharBytes) + 1};
    if (const auto b = kBranchCharacters.find(c);
        b != std::string_view::npos && b % kCharBytes == 0)
        return {false, static_cast<int>(b / kCharBytes) + 1};
    return {};
}

// The characters of `text`, in order.
std::vector<StarTarget> Chars(std::string_view text) {
    std::vector<StarTarget> result;
    for (std::size_t i = 0; i + kCharBytes <= text.size(); i += kCharBytes)
        result.push_back(CharAt(text.substr(i)));
    return result;
}

// The lookup of one rule, parsed once: targets by key (stem or branch number).
struct ParsedLookup {
    std::array<std::vector<StarTarget>, 13> byKey;
};

ParsedLookup Parse(const SymbolicStarRule& rule) {
    ParsedLookup parsed;
    std::string_view rest = rule.lookup;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        const std::string_view group = rest.substr(0, blank);
        rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
        const std::size_t arrow = group.find(kArrow);
        const std::vector<StarTarget> targets = Chars(group.substr(arrow + kArrow.size()));
        for (const StarTarget& key : Chars(group.substr(0, arrow)))
            parsed.byKey[key.value] = targets;
    }
    return parsed;
}

const std::vector<ParsedLookup>& ParsedLookups() {
    static const std::vector<ParsedLookup> kParsed = [] {
        std::vector<ParsedLookup> all;
        for (const SymbolicStarRule& rule : SymbolicStarRules()) all.push_back(Parse(rule));
        return all;
    }();
    return kParsed;
}

int KeyOf(StarBasis basis, const ChartPillars& p) {
    switch (basis) {
        case StarBasis::DayStem: return p[2].stem;
        case StarBasis::YearBranch: return p[0].branch;
        case StarBasis::DayBranch: return p[2].branch;
        case StarBasis::MonthBranch: return p[1].branch;
    }
    return 0;
}

}  // namespace

std::vector<StarTarget> StarTargets(int ruleIndex, int key) {
    const std::vector<ParsedLookup>& lookups = ParsedLookups();
    if (ruleIndex < 0 || ruleIndex >= static_cast<int>(lookups.size()) || key < 1 || key > 12)
        return {};
    return lookups[ruleIndex].byKey[key];
}

std::vector<SymbolicStarHit> SymbolicStarsOf(const ChartPillars& pillars) {
    std::vector<SymbolicStarHit> hits;
    const std::vector<SymbolicStarRule>& rules = SymbolicStarRules();
    const std::vector<ParsedLookup>& lookups = ParsedLookups();
    for (std::size_t r = 0; r < rules.size(); ++r) {
        for (StarBasis basis : rules[r].bases) {
            const int key = KeyOf(basis, pillars);
            if (key < 1 || key > 12) continue;
            SymbolicStarHit hit;
            hit.rule = static_cast<int>(r);
            hit.basis = basis;
            bool any = false;
            for (const StarTarget& t : lookups[r].byKey[key]) {
                for (int i = 0; i < kChartPillarCount; ++i) {
                    if ((t.stem ? pillars[i].stem : pillars[i].branch) != t.value) continue;
                    hit.pillars[i] = true;
                    any = true;
                }
            }
            if (any) hits.push_back(hit);
        }
    }
    return hits;
}
