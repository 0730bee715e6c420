// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The recalculation of the main window's moment: the main calculation (year term table, the
// Sun's radius on the ecliptic circle, the calendar of the moment) and then the windows that
// follow the moment while they are showing. Owns the year term table and CurrentMoment.
#include <functional>
#include <vector>

#include "astro/local_time.h"
#include "astro/solar_terms.h"
#include "calendar/current_moment.h"

class TFormCalendar;
class TFormCircle;

class MomentCascade {
public:
    MomentCascade(TFormCalendar& calendar, TFormCircle& circle);

    // Receives the progress of the main calculation, 0..100.
    void SetProgressDisplay(std::function<void(int)> show) { progress_ = std::move(show); }
    // A window that follows the moment: called after the main calculation, in the order added
    // (seasons list, good days, lunar mansions, notes); each refreshes itself only while showing.
    void AddFollower(std::function<void(Moment)> refreshIfShowing);

    // The full recalculation of the civil moment m; `pickerYear` is the year of the date picker.
    void AllCalc(Moment m, int pickerYear, const TimeSettings& settings);
    void MainCalculation(Moment m, int pickerYear, const TimeSettings& settings);

    // New time settings: the next calculation builds the year term table again, whatever year the
    // date picker shows by then.
    void InvalidateYearTermTable() { tableValid_ = false; }

    const YearTermTable& YearTerms() const { return table_; }
    const CurrentMoment& Current() const { return current_; }
    // How many times the year term table was built (the cache is visible to its users).
    int YearTableBuilds() const { return tableBuilds_; }

private:
    void Progress(int percent) const;

    TFormCalendar& calendar_;
    TFormCircle& circle_;
    std::function<void(int)> progress_;
    std::vector<std::function<void(Moment)>> followers_;
    YearTermTable table_;
    bool tableValid_ = false;
    int tableBuilds_ = 0;
    CurrentMoment current_;
};
