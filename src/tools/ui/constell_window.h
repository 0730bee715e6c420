// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "28 созвездий": the page of the lunar mansion of the main window's current day.
#include <functional>

#include "calendar/current_moment.h"
#include "tools/ui/day_page_window.h"

class TFormConstell : public TDayPageWindow {
    Q_OBJECT
public:
    // `current` gives the main window's last computed moment.
    explicit TFormConstell(std::function<CurrentMoment()> current, QWidget* parent = nullptr);

    // Caption with the current date, and the page of the day's mansion.
    void RaschetConstell();

protected:
    void Refresh() override { RaschetConstell(); }

private:
    std::function<CurrentMoment()> current_;
};
