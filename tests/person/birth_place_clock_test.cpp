// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/birth_place_clock.h"

#include <gtest/gtest.h>

#include "astro/moment.h"
#include "calendar/moment_format.h"
#include "person/chart_details_report.h"
#include "support/locale_guard.h"

namespace {

// Born 1990-05-15 08:30 in Moscow, under the summer time of then (GMT +03:00 and one hour).
Person MoscowBirth(bool placeKnown) {
    Person p;
    p.birth = EncodeMoment(1990, 5, 15, 8, 30);
    p.male = true;
    p.zoneIndex = kDefaultZoneIndex;
    p.summerHours = 1;
    if (placeKnown) {
        p.place = "Москва, Россия";
        p.timeZoneId = "Europe/Moscow";
    }
    return p;
}

std::string FirstMonthLine(const Person& p, int year) {
    const ChartDetails d = ComputeChartDetails(CalculatePerson(p, kRussian).chart);
    return YearMonthsLines(d, year, p, kRussian).at(1).substr(0, 16);
}

// "Становление весны" 2026 falls at 20:02 UT on 3 February, that of 1993 at 19:37 UT on the 3rd:
// Moscow's clock, without summer time in winter, read 23:02 and 22:37; the birth's own summer
// hour is no part of it. Without a place the chosen zone and summer shift hold all year.
TEST(BirthPlaceClock, AMonthBeginsOnThePlacesClockOfThatMoment) {
    const Person moscow = MoscowBirth(true);
    EXPECT_EQ(BirthPlaceClockOf(moscow), BirthPlaceClock::PlaceRules);
    EXPECT_EQ(FirstMonthLine(moscow, 2026), "03.02.2026 23:02");
    EXPECT_EQ(FirstMonthLine(moscow, 1993), "03.02.1993 22:37");
    // In summer 1993 Moscow kept its summer hour.
    const Moment june = MonthsOfYear(1993)[4].begins;
    EXPECT_EQ(BirthPlaceSettingsAt(june, moscow).summerHours, 1);
    EXPECT_EQ(YearMonthsLines(ComputeChartDetails(CalculatePerson(moscow, kRussian).chart), 2026,
                              moscow, kRussian)[0],
              "Месяцы 2026 года (начало по времени места рождения на тот момент):");

    const Person chosen = MoscowBirth(false);
    EXPECT_EQ(BirthPlaceClockOf(chosen), BirthPlaceClock::ChosenZone);
    EXPECT_EQ(FirstMonthLine(chosen, 2026), "04.02.2026 00:02");
    EXPECT_EQ(BirthPlaceClockText(chosen), "по поясу (GMT +03:00), летнее время: 1");
}

}  // namespace
