// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A month typed into a date picker: its number ("7", "07") or the beginning of its name in any
// form the locale writes it ("июль", "июля", "июл", "март", "янв"; "July", "Jul").
#include <QLocale>
#include <QString>

struct TypedMonth {
    int month = 0;         // 1..12 once the text names one month only; 0 while it does not
    bool possible = true;  // the text can still become a month (keep reading keys)
};

TypedMonth MonthOfTypedText(const QString& typed, const QLocale& locale);
