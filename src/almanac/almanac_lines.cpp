// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/almanac_lines.h"

#include <cmath>

#include "almanac/day_spirits.h"
#include "almanac/day_taboos.h"
#include "astro/moment.h"

namespace {

std::string TwoDigits(int n) {
    return std::string(n < 10 ? "0" : "") + std::to_string(n);
}

}  // namespace

std::string ClockMinutes(Moment civil) {
    const Moment minute = std::round(civil * 1440.0) / 1440.0;
    const CivilDateTime t = DecodeMoment(minute);
    return TwoDigits(t.hour) + ":" + TwoDigits(t.minute);
}

const char* RoadName(bool yellowRoad) {
    return yellowRoad ? "желтый путь" : "черный путь";
}

std::string SpiritText(const AlmanacDay& a) {
    const SpiritEntry& s = Spirit(a.spirit);
    return std::string(s.name) + " (" + s.hanzi + "), " + RoadName(a.yellowRoad);
}

std::string ClashText(const AlmanacDay& a) {
    return "(" + PillarHanzi(a.clash) + ") " + AnimalName(a.clash.branch) +
           ", ша: " + DirectionName(a.sha);
}

std::string SpiritLine(const AlmanacDay& a) {
    return "Дух дня: " + SpiritText(a);
}

std::string ClashLine(const AlmanacDay& a) {
    return "Столкновение: " + ClashText(a);
}

std::string GodsLine(const AlmanacDay& a) {
    return std::string("Радость: ") + DirectionName(a.gods.joy) +
           ", богатство: " + DirectionName(a.gods.wealth) +
           ", знатный ян: " + DirectionName(a.gods.yangNoble) +
           ", знатный инь: " + DirectionName(a.gods.yinNoble);
}

std::string StemTabooLine(const AlmanacDay& a) {
    const Taboo& t = StemTaboo(a.day.stem);
    return "Пэн Цзу, " + StemName(a.day.stem) + ": " + t.russian + " (" + t.hanzi + ")";
}

std::string BranchTabooLine(const AlmanacDay& a) {
    const Taboo& t = BranchTaboo(a.day.branch);
    return "Пэн Цзу, " + BranchName(a.day.branch) + ": " + t.russian + " (" + t.hanzi + ")";
}

std::string AuspiciousHoursLine(const AlmanacDay& a) {
    std::string text;
    for (const AlmanacHour& h : a.hours) {
        if (!h.yellowRoad) continue;
        text += (text.empty() ? "" : ", ") + BranchName(h.branch) + " " +
                ClockMinutes(h.civilFrom) + "–" + ClockMinutes(h.civilTo);
    }
    return "Благоприятные часы: " + text;
}

std::vector<std::string> AlmanacLines(const AlmanacDay& a) {
    return {SpiritLine(a),    ClashLine(a),       GodsLine(a),
            StemTabooLine(a), BranchTabooLine(a), AuspiciousHoursLine(a)};
}
