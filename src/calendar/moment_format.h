// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Moments written in the user's regional format (QLocale), under the format names the windows use:
// "ddddd" short date, "dddddd" long date, "t" short time, "tt" long time, "dddd" weekday name.
// The locale is always the caller's: a window passes the one it displays with, the command line
// its fixed Russian one.
#include <QLocale>
#include <QString>

#include "astro/julian_day.h"

// The locale's short date pattern (its order and separators) with a four-digit year: the
// calendar spans 1900–9000, so "1/1/00" would be ambiguous.
QString ShortDatePattern(const QLocale& locale);
QString FormatShortDate(Moment x, const QLocale& locale);    // "ddddd"
QString FormatLongDate(Moment x, const QLocale& locale);     // "dddddd"
QString FormatShortTime(Moment x, const QLocale& locale);    // "t"
QString FormatLongTime(Moment x, const QLocale& locale);     // "tt"
QString FormatWeekdayName(Moment x, const QLocale& locale);  // "dddd"
// "ddddd tt": short date, blank, long time.
QString FormatShortDateLongTime(Moment x, const QLocale& locale);
// Short date and long time, the time left out when it is exactly midnight (the platform's
// default date-time text).
QString FormatDateTime(Moment x, const QLocale& locale);

// The decimal separator of the locale ("," in Russian).
QChar DecimalSeparator(const QLocale& locale);
// The separator the person and table files are written with: the locale's own when it is ","
// or ".", otherwise "." — so the file always reads back.
char FileDecimalSeparator(const QLocale& locale);
