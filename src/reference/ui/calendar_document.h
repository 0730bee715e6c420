// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calendar of a moment and the almanac of its day on paper: every row the calendar window
// shows, written from the facts as text (the pillars' characters too, in the CJK face, so that
// they can be found and copied), over as many pages as it takes.
#include <QString>

#include "almanac/almanac_day.h"
#include "calendar/moment_calendar.h"
#include "widgets/print_export.h"

// "Календарь — 10.02.2024 18:00:00": the header line of every page.
QString CalendarDocumentHeader(const MomentCalendar& calendar);

// The document; without `almanac` (not yet computed) the calendar alone.
PrintDocument CalendarDocument(const MomentCalendar& calendar, const AlmanacDay* almanac);
