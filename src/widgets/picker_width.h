// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The width of a date or time picker that shows the whole of every text its display format makes.

class QDateTimeEdit;

// Wide enough for the longest text of the picker's format in its locale and font (every month
// name, every weekday, two-digit days and hours, a four-digit year), with the frame and buttons
// (or drop-down) its style puts around the text, so that nothing is cut off in any locale. Qt's
// own size measures only the first and last dates of the range ("1/1/1900"), narrower than
// "12/28/2000" or "28 сентября 2000".
int PickerWidth(const QDateTimeEdit& picker);
