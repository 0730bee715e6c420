// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day step of the main window ("шаг (дни):") and adding or subtracting it within the range
// of the date picker. Moments are day counts since 1899-12-30 00:00.
#include <QString>
#include <optional>

#include "astro/julian_day.h"

constexpr int kDayStepMaxLength = 5;

// The text the step edit must show instead of `typed`: "0" for a negative number, "1" for text
// that is not an integer; nothing when the typed text stands.
std::optional<QString> CorrectedDayStep(const QString& typed);

// The step as a number of days (the edit always holds an integer after correction; 1 otherwise).
int DayStepValue(const QString& text);

// `moment` moved by `days` (the time of day kept), clamped to the picker range: beyond the last
// day it becomes day count 2593224, before the first day count 2 (both at 00:00).
Moment StepDays(Moment moment, int days);
