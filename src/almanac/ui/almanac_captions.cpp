// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/ui/almanac_captions.h"

#include "almanac/almanac_lines.h"
#include "almanac/day_spirits.h"
#include "almanac/day_taboos.h"

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QString TabooCaption(const std::string& name, const Taboo& taboo) {
    return Text(name) + QStringLiteral(": ") + QString::fromUtf8(taboo.russian) +
           QStringLiteral(" (") + QString::fromUtf8(taboo.hanzi) + QLatin1Char(')');
}

}  // namespace

AlmanacCaptions CaptionsOfAlmanac(const AlmanacDay& day) {
    AlmanacCaptions c;
    const SpiritEntry& spirit = Spirit(day.spirit);
    c.spirit = QString::fromUtf8(spirit.name) + QStringLiteral(" (") +
               QString::fromUtf8(spirit.hanzi) + QLatin1Char(')');
    c.road = QString::fromUtf8(RoadName(day.yellowRoad));
    c.roadColour = RoadColour(day.yellowRoad);
    c.clash = QLatin1Char('(') + Text(PillarHanzi(day.clash)) + QStringLiteral(") ") +
              QString::fromUtf8(AnimalName(day.clash.branch));
    c.sha = QString::fromUtf8(DirectionName(day.sha));
    c.joy = QString::fromUtf8(DirectionName(day.gods.joy));
    c.wealth = QString::fromUtf8(DirectionName(day.gods.wealth));
    c.yangNoble = QString::fromUtf8(DirectionName(day.gods.yangNoble));
    c.yinNoble = QString::fromUtf8(DirectionName(day.gods.yinNoble));
    c.stemTaboo = TabooCaption(StemName(day.day.stem), StemTaboo(day.day.stem));
    c.branchTaboo = TabooCaption(BranchName(day.day.branch), BranchTaboo(day.day.branch));
    for (const AlmanacHour& h : day.hours)
        if (h.yellowRoad) c.hours << HourCaption(h);
    return c;
}

QString HourCaption(const AlmanacHour& hour) {
    return Text(BranchName(hour.branch)) + QLatin1Char(' ') + Text(ClockMinutes(hour.civilFrom)) +
           QStringLiteral("–") + Text(ClockMinutes(hour.civilTo));
}

QColor RoadColour(bool yellowRoad) {
    return yellowRoad ? QColor(176, 128, 0) : QColor(40, 40, 40);
}
