// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chosen days as files for other programs: a CSV table for spreadsheets and an iCalendar file
// (RFC 5545) with one all-day event per day for calendar applications. Both are built as bytes
// here; the caller writes them (whole or not at all: text/whole_file.h).
#include <string>
#include <vector>

#include "tools/day_selection.h"

// UTF-8 with a byte-order mark (so that spreadsheet programs take it as UTF-8), CR LF line ends,
// a header line and one line per day: Дата;День;Цзянь;Созвездие;Звезда дня;Лунный месяц;
// Лунный день;Сезон;Причины;Дух дня;Столкновение. `separator` is ';' where the decimal separator is
// a comma (Russian settings), ',' elsewhere. Fields holding the separator, quotes or line ends are
// quoted.
std::string DaysCsv(const std::vector<DayVerdict>& days, const DayCriteria& criteria,
                    char separator);

// VCALENDAR with one VEVENT per day: UID, DTSTAMP (`stampUtc`, a universal-time moment),
// DTSTART;VALUE=DATE, DTEND;VALUE=DATE (the next day), SUMMARY with the officer and mansion,
// DESCRIPTION with every reason. Lines end in CR LF and are folded at 75 octets without
// splitting a UTF-8 character.
std::string DaysIcs(const std::vector<DayVerdict>& days, const DayCriteria& criteria,
                    double stampUtc);

// One content line folded as RFC 5545 asks (continuations begin with a blank), with CR LF.
std::string FoldIcsLine(const std::string& line);
// TEXT value escapes: backslash, semicolon, comma and line ends; a tab becomes a blank, other
// control characters are dropped.
std::string EscapeIcsText(const std::string& text);
