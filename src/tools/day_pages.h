// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the good-day and lunar-mansion windows show for the main window's moment: the day
// officer and the mansion of the day, their pages in the data folder and the window captions.
#include <QLocale>
#include <QString>
#include <string>

#include "calendar/current_moment.h"

// Officer 1..12 of the day: the day branch against the branch of the solar month.
int OfficerOfDay(const CurrentMoment& moment);

// "\other\czang\c" + officer + ".rtf" and "\other\constell\c" + mansion + ".rtf".
std::string OfficerPagePath(int officer);
std::string MansionPagePath(int mansion);

// "12 установлений, " + short date and long time (the time left out at exactly midnight).
QString GoodDayCaption(Moment civil, const QLocale& locale);
// "28 созвездий, " + short date.
QString ConstellCaption(Moment civil, const QLocale& locale);
// The good-day window showing the officer of two branches chosen in the relations window.
extern const char* const kRelationsOfficerCaption;
