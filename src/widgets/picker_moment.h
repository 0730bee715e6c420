// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moments in and out of the date and time pickers. A Moment is a day count since 1899-12-30 00:00;
// QDateTime carries the same civil date and time (local, no zone arithmetic here).
#include <QDateTime>

class QDateTimeEdit;

#include "astro/julian_day.h"

// The picker range of the main window: day count 2 (1900-01-01) to 2593224 (9000-01-01).
constexpr Moment kFirstPickerMoment = 2.0;
constexpr Moment kLastPickerMoment = 2593224.0;

Moment MomentOfDateTime(const QDateTime& dateTime);
// Civil date and time of a moment, to the millisecond.
QDateTime DateTimeOfMoment(Moment x);

// Display formats of the pickers in the user's locale: the short date (with a four-digit year),
// and the time with seconds.
QString PickerDateFormat();
QString PickerTimeFormat();

// Makes a picker hold civil time without zone rules (universal time keeps every clock time
// valid: no daylight-saving gaps of the computer's zone).
void HoldCivilTime(QDateTimeEdit& picker);

// A time of day the user set in a time picker, as a moment of day 0 (only its fraction counts):
// whole seconds, as the picker shows it.
Moment MomentOfTime(const QTime& time);
