// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/typed_month.h"

#include <QStringList>

TypedMonth MonthOfTypedText(const QString& typed, const QLocale& locale) {
    const QString text = typed.trimmed().toLower();
    if (text.isEmpty()) return {0, true};
    bool digits = false;
    const int number = text.toInt(&digits);
    if (digits) {
        if (number < 0 || number > 12 || text.size() > 2) return {0, false};
        // "1" may still become 10, 11 or 12; "0" any of 01..09.
        if (text == QLatin1String("0") || text == QLatin1String("1")) return {0, true};
        return {number, number >= 1};
    }
    int found = 0;
    for (int m = 1; m <= 12; ++m) {
        const QStringList names{locale.monthName(m, QLocale::LongFormat),
                                locale.standaloneMonthName(m, QLocale::LongFormat),
                                locale.monthName(m, QLocale::ShortFormat),
                                locale.standaloneMonthName(m, QLocale::ShortFormat)};
        bool matches = false;
        for (const QString& name : names) {
            QString bare = name.toLower();
            bare.remove(QLatin1Char('.'));
            matches = matches || bare.startsWith(text);
        }
        if (!matches) continue;
        if (found) return {0, true};  // two months begin so: read on
        found = m;
    }
    return {found, found != 0};
}
