// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform's own encoding of a Moment (day count since 1899-12-30 00:00, proleptic Gregorian,
// fraction = time of day), as the date and time pickers, the pillar rules and the files use it.
//
// Decoding rounds the moment to the nearest millisecond before it takes hours, so that a clock
// time of 23:00 that went through zone arithmetic is still 23:00 and not 22:59:59.999.
#include "astro/julian_day.h"

struct CivilDateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Proleptic Gregorian date and time of a moment (the instant: -0.25 is 1899-12-29 18:00).
CivilDateTime DecodeMoment(Moment x);

// Moment of a proleptic Gregorian date and time; fields are not range-checked beyond what the
// calendar arithmetic needs (callers validate user input first).
Moment EncodeMoment(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                    int millisecond = 0);

// Proleptic Gregorian day count of a date (no time).
long DayNumberOfDate(int year, int month, int day);

// True when (year, month, day) is a real proleptic Gregorian date with year 1..9999.
bool IsValidCivilDate(int year, int month, int day);

// Gregorian year of a moment, as the platform decodes it.
int YearOfMoment(Moment x);
int MonthOfMoment(Moment x);
// Hour 0..23 of a moment, after rounding to the millisecond.
int HourOfMoment(Moment x);

// Time of day of a moment as a fraction of a day in [0, 1), after rounding to the millisecond.
double TimeOfMoment(Moment x);
// The moment with its date kept and its time of day replaced by that of `time`.
Moment WithTimeOf(Moment date, Moment time);
