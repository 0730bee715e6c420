// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "12 установлений": the page of the day officer that rules the main window's current day in
// its solar month.
#include <functional>

#include "calendar/current_moment.h"
#include "tools/ui/day_page_window.h"

class TFormGoodDay : public TDayPageWindow {
    Q_OBJECT
public:
    // `current` gives the main window's last computed moment.
    explicit TFormGoodDay(std::function<CurrentMoment()> current, QWidget* parent = nullptr);

    // Caption with the current date and time, and the page of the day's officer.
    void RaschetGoodDay();
    // The officer of two branches of the relations window: shows the window, then its own
    // caption and that officer's page (until the next refresh).
    void ShowOfficerOfBranches(int officer);

protected:
    void Refresh() override { RaschetGoodDay(); }

private:
    std::function<CurrentMoment()> current_;
};
