// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A date or a time typed as a whole into a field, read whatever the field's display format is:
// "15.05.1990", "15051990", "15 мая 1990", "15 05 1990", "1990-05-15", "15 Май. 1990 г.";
// "0830", "8:30", "08.30", "8 30", "8:30:15". A text is read as one date (or time) or refused
// with the reason: never as a nearby date.
//
// Numbers in a row are read in the order of the locale's short date (day, month, year in
// Russian); a year that starts the text is ISO order (year, month, day). Eight digits in a row are
// the locale's order, or year-month-day when only that makes a date. A year is written with four
// digits: the calendar spans 1900–9000, so "15.05.90" could be 1990 or 2090 and is refused.
// Month names in any case and form the locale writes them (and Russian): "мая", "май", "май.",
// "Май"; "ё" reads as "е".
#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

struct TypedDate {
    QDate date;        // valid when the text is one date of the calendar
    QTime time;        // a time of day typed after the date; null when none was
    bool withSeconds;  // the time had seconds
    QString refusal;   // why the text is no date, for the user; empty when it is one
};

struct TypedTime {
    QTime time;        // valid when the text is one time of day
    bool withSeconds;  // seconds were typed
    QString refusal;   // why the text is no time of day; empty when it is one
};

TypedDate ReadTypedDate(const QString& text, const QLocale& locale);
TypedTime ReadTypedTime(const QString& text);
