// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/day_pages.h"

#include "calendar/moment_format.h"
#include "calendar/nine_stars.h"

const char* const kRelationsOfficerCaption =
    "Цзянь дня, из таблицы «Сочетаемость стволов и ветвей»";

int OfficerOfDay(const CurrentMoment& moment) {
    return DayOfficer(moment.month.branch, moment.day.branch);
}

std::string OfficerPagePath(int officer) {
    return "\\other\\czang\\c" + std::to_string(officer) + ".rtf";
}

std::string MansionPagePath(int mansion) {
    return "\\other\\constell\\c" + std::to_string(mansion) + ".rtf";
}

QString GoodDayCaption(Moment civil, const QLocale& locale) {
    return QString::fromUtf8("12 установлений, ") + FormatDateTime(civil, locale);
}

QString ConstellCaption(Moment civil, const QLocale& locale) {
    return QString::fromUtf8("28 созвездий, ") + FormatShortDate(civil, locale);
}
