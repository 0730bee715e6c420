// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/season_list.h"

#include "astro/local_time.h"
#include "calendar/moment_format.h"

const std::array<SeasonListRow, kSeasonListRows> SeasonListTable{{
    {"Наступление весны", -1},
    {"Становление весны", 21},
    {"Дождевая вода", 22},
    {"Середина весны", -1},
    {"Пробуждение насекомых", 23},
    {"Весеннее равноденствие", 0},
    {"Конец весны", -1},
    {"Чистота и ясность", 1},
    {"Хлебные дожди", 2},
    {"Начало лета", -1},
    {"Становление лета", 3},
    {"Малое насыщение", 4},
    {"Середина лета", -1},
    {"Колошение хлебов", 5},
    {"Летнее солнцестояние", 6},
    {"Конец лета", -1},
    {"Малая жара", 7},
    {"Большая жара", 8},
    {"Начало осени", -1},
    {"Становление осени", 9},
    {"Прекращение жары", 10},
    {"Середина осени", -1},
    {"Белые росы", 11},
    {"Осеннее равноденствие", 12},
    {"Конец осени", -1},
    {"Холодные росы", 13},
    {"Выпадение инея", 14},
    {"Начало зимы", -1},
    {"Становление зимы", 15},
    {"Малые снега", 16},
    {"Середина зимы", -1},
    {"Большие снега", 17},
    {"Зимнее солнцестояние", 18},
    {"Конец зимы", -1},
    {"Малые холода", 19},
    {"Большие холода", 20},
}};

QString SeasonPagePath(int row) {
    return QStringLiteral("\\other\\ses\\s%1.rtf").arg(row + 1);
}

QString SeasonListTitle(int year) {
    return QString::fromUtf8("На ") + QString::number(year) + QString::fromUtf8(" год");
}

QString SeasonTermDateText(const YearTermTable& table, TermIndex k, int summerHours,
                           const QLocale& locale) {
    const Moment shown = table.instants[static_cast<std::size_t>(k)] + SummerShiftDays(summerHours);
    return FormatShortDate(shown, locale) + QLatin1Char(' ') + FormatShortTime(shown, locale);
}
