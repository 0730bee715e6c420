// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "astro/moment.h"
#include "astro/new_moon.h"
#include "astro/solar_terms.h"
#include "calendar/boundary_warnings.h"

namespace {
constexpr double kMinute = 1.0 / 1440.0;
const TimeSettings kMoscow = TimeSettings::WithZoneIndex(16);  // +3, no summer shift
}  // namespace

TEST(BoundaryWarnings, EachBoundaryWithinTenMinutesIsNamedWithItsMinutes) {
    // Li Chun 2024 (4 February, about 08:27 universal time), read on a +3 clock.
    const Moment springBegins = TermInstant(2024, 21) + 3.0 / 24.0;
    auto w = FindBoundaryWarnings(springBegins - 4 * kMinute - 10.0 / 86400.0, kMoscow);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].kind, BoundaryKind::SpringBegins);
    EXPECT_EQ(w[0].minutes, 4);
    EXPECT_EQ(BoundaryWarningText(w[0]),
              "до Становления весны 4 мин: год и месяц зависят от точного времени");
    w = FindBoundaryWarnings(springBegins + 7 * kMinute, kMoscow);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].minutes, -7);
    EXPECT_EQ(BoundaryWarningText(w[0]).rfind("после Становления весны 7 мин: год", 0), 0u);
    EXPECT_TRUE(FindBoundaryWarnings(springBegins + 11 * kMinute, kMoscow).empty());

    // Another month-opening term (Пробуждение насекомых, 5 March 2024); an even term opens nothing.
    w = FindBoundaryWarnings(TermInstant(2024, 23) + 3.0 / 24.0 + 2 * kMinute, kMoscow);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].kind, BoundaryKind::MonthTerm);
    EXPECT_EQ(BoundaryWarningText(w[0]),
              "после сезона «Пробуждение насекомых» 2 мин: месяц зависит от точного времени");
    EXPECT_TRUE(
        FindBoundaryWarnings(TermInstant(2024, 0) + 3.0 / 24.0 + 2 * kMinute, kMoscow).empty());

    // The day turn and the hour changes, on pillar time.
    w = FindBoundaryWarnings(EncodeMoment(2024, 6, 10, 22, 55), kMoscow);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].kind, BoundaryKind::DayTurn);
    EXPECT_EQ(BoundaryWarningText(w[0]),
              "до смены дня в 23:00 5 мин: день и час зависят от точного времени");
    w = FindBoundaryWarnings(EncodeMoment(2024, 6, 11, 1, 8), kMoscow);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].kind, BoundaryKind::HourBranch);
    EXPECT_EQ(BoundaryWarningText(w[0]),
              "после смены часа в 01:00 8 мин: час зависит от точного времени");
    EXPECT_TRUE(
        FindBoundaryWarnings(EncodeMoment(2024, 6, 11, 2, 0), kMoscow).empty());  // even hour
    EXPECT_TRUE(FindBoundaryWarnings(EncodeMoment(2024, 6, 11, 12, 30), kMoscow).empty());
    // With the longitude on, pillar time is local mean time: at 45°E it equals +3 zone time.
    TimeSettings withLongitude = kMoscow;
    withLongitude.longitudeOn = true;
    withLongitude.longitude = 45;
    w = FindBoundaryWarnings(EncodeMoment(2024, 6, 11, 13, 5), withLongitude);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(w[0].hour, 13);

    // A new moon.
    const Moment newMoon = NextNewMoon(EncodeMoment(2024, 6, 1)) + 3.0 / 24.0;
    bool named = false;
    for (const auto& x : FindBoundaryWarnings(newMoon - 3 * kMinute, kMoscow))
        if (x.kind == BoundaryKind::NewMoon)
            named = x.minutes == 3 && std::string(BoundaryKindKey(x.kind)) == "new_moon";
    EXPECT_TRUE(named);
}

// Within a minute the seconds and the right side: 19 s after Li Chun the chart already shows the
// new year, so the line says "после", never "до … 0 мин". An hour change is given on the clock
// the user typed (summer time included), with pillar time beside it when that differs.
TEST(BoundaryWarnings, SecondsAfterATermAndTheClockTheUserTyped) {
    const Moment springBegins = TermInstant(2024, 21) + 3.0 / 24.0;
    auto w = FindBoundaryWarnings(springBegins + 19.0 / 86400.0, kMoscow);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(BoundaryWarningText(w[0]),
              "после Становления весны 19 с: год и месяц зависят от точного времени");
    w = FindBoundaryWarnings(springBegins - 40.0 / 86400.0, kMoscow);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(BoundaryWarningText(w[0]).rfind("до Становления весны 40 с:", 0), 0u);

    const TimeSettings summer = TimeSettings::WithZoneIndex(16, 1);  // +3 and one summer hour
    w = FindBoundaryWarnings(EncodeMoment(1985, 6, 15, 11, 55), summer);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(BoundaryWarningText(w[0]),
              "до смены часа в 12:00 (11:00 поясного времени) 5 мин: час зависит от точного "
              "времени");
    TimeSettings solar = kMoscow;
    solar.longitudeOn = true;
    solar.longitude = 30;  // an hour behind the +3 zone
    w = FindBoundaryWarnings(EncodeMoment(2024, 6, 11, 13, 55), solar);
    ASSERT_EQ(w.size(), 1u);
    EXPECT_EQ(
        BoundaryWarningText(w[0]).rfind("до смены часа в 14:00 (13:00 солнечного времени)", 0), 0u)
        << BoundaryWarningText(w[0]);
}
