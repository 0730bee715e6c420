// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/moment_cascade.h"

#include "almanac/almanac_day.h"
#include "astro/sun_position.h"
#include "calendar/moment_calendar.h"
#include "reference/ui/calendar_window.h"
#include "reference/ui/circle_window.h"
#include "widgets/direction_drawing.h"

MomentCascade::MomentCascade(TFormCalendar& calendar, TFormCircle& circle)
    : calendar_(calendar), circle_(circle) {}

void MomentCascade::AddFollower(std::function<void(Moment)> refreshIfShowing) {
    followers_.push_back(std::move(refreshIfShowing));
}

void MomentCascade::AllCalc(Moment m, int pickerYear, const TimeSettings& settings) {
    MainCalculation(m, pickerYear, settings);
    for (const auto& follow : followers_) follow(m);
}

void MomentCascade::MainCalculation(Moment m, int pickerYear, const TimeSettings& settings) {
    Progress(10);
    if (!tableValid_ || table_.year != pickerYear) {
        table_ = BuildYearTermTable(pickerYear, settings.zoneHours());
        tableValid_ = true;
        ++tableBuilds_;
        circle_.ShowTermDates(table_, settings.summerHours);
    }

    Progress(20);
    ClearImage(circle_.Overlay());

    Progress(40);
    DrawDirectionLine(circle_.Overlay(), SunLongitudeAtUniversal(UniversalMomentOf(m, settings)));
    circle_.OverlayChanged();

    Progress(60);
    const MomentCalendar calendar = ComputeMomentCalendar(m, settings);
    current_ = calendar.moment;
    calendar_.ShowMoment(calendar);
    calendar_.ShowAlmanac(AlmanacOfCalendar(calendar, settings));
    Progress(100);

    Progress(0);
}

void MomentCascade::Progress(int percent) const {
    if (progress_) progress_(percent);
}
