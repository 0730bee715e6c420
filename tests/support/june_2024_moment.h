// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A calculation moment as the main window would have computed it: 2024-06-01 12:00, period 9,
// year Цзя-Чэнь (year star 3, Three Killings south), month У (month star 1, the season's in the
// north), day star 9.
#include "astro/moment.h"
#include "calendar/current_moment.h"

inline CurrentMoment June2024Moment() {
    CurrentMoment m;
    m.year = {1, 5};
    m.month = {3, 7};
    m.day = {3, 9};
    m.epochYear = 4661;
    m.yearStar = 3;
    m.monthStar = 1;
    m.dayStar = 9;
    m.smallCycleStar = 9;
    m.civil = EncodeMoment(2024, 6, 1, 12, 0);
    return m;
}
