// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The record of one moment as the `moment` and `days` commands print it.
#include <string>

#include "calendar/moment_calendar.h"
#include "cli/json_writer.h"

// Writes over `record`: {"date","year":[s,b],"month","day","hour","term","month_branch",
// "epoch_year","great_star","small_star","year_star","month_star","day_star","hour_star",
// "lunar_month","lunar_day","lunar_leap","lunar_epoch_year","mansion","officer"}
void FillMomentRecord(JsonObject& record, const MomentCalendar& c, const std::string& date);

// "Цзя-Чэнь": the pillar's stem and branch names.
std::string ShortPillar(Pillar p);
