// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/moment_format.h"

#include <QDate>
#include <QRegularExpression>
#include <QTime>

#include "astro/moment.h"

namespace {

QDate DateOf(Moment x) {
    const CivilDateTime t = DecodeMoment(x);
    return QDate(t.year, t.month, t.day);
}

QTime TimeOf(Moment x) {
    const CivilDateTime t = DecodeMoment(x);
    return QTime(t.hour, t.minute, t.second);
}

// The locale's long date without a leading weekday: "d MMMM yyyy 'г.'" in Russian.
QString LongDatePattern(const QLocale& locale) {
    QString f = locale.dateFormat(QLocale::LongFormat);
    for (const QString& weekday : {QStringLiteral("dddd, "), QStringLiteral("dddd ")}) {
        if (f.startsWith(weekday)) return f.mid(weekday.size());
    }
    return f;
}

// The locale's time with seconds and without a zone name: "HH:mm:ss" in Russian.
QString LongTimePattern(const QLocale& locale) {
    QString f = locale.timeFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("ss"))) {
        const int minutes = f.indexOf(QLatin1String("mm"));
        if (minutes >= 0) f.insert(minutes + 2, QLatin1String(":ss"));
    }
    return f;
}

}  // namespace

QString ShortDatePattern(const QLocale& locale) {
    QString f = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression shortYear(QStringLiteral("(?<!y)y{1,3}(?!y)"));
    f.replace(shortYear, QStringLiteral("yyyy"));
    return f;
}

QString FormatShortDate(Moment x, const QLocale& locale) {
    return locale.toString(DateOf(x), ShortDatePattern(locale));
}

QString FormatLongDate(Moment x, const QLocale& locale) {
    return locale.toString(DateOf(x), LongDatePattern(locale));
}

QString FormatShortTime(Moment x, const QLocale& locale) {
    return locale.toString(TimeOf(x), QLocale::ShortFormat);
}

QString FormatLongTime(Moment x, const QLocale& locale) {
    return locale.toString(TimeOf(x), LongTimePattern(locale));
}

QString FormatWeekdayName(Moment x, const QLocale& locale) {
    // A word of the interface, which is Russian whatever the regional settings ("понедельник",
    // never "Monday"); the territory keeps the locale's own capitalisation rules.
    return QLocale(QLocale::Russian, locale.territory())
        .dayName(DateOf(x).dayOfWeek(), QLocale::LongFormat);
}

QString FormatShortDateLongTime(Moment x, const QLocale& locale) {
    return FormatShortDate(x, locale) + QLatin1Char(' ') + FormatLongTime(x, locale);
}

QString FormatDateTime(Moment x, const QLocale& locale) {
    if (TimeOfMoment(x) == 0.0) return FormatShortDate(x, locale);
    return FormatShortDateLongTime(x, locale);
}

QChar DecimalSeparator(const QLocale& locale) {
    return locale.decimalPoint().at(0);
}

char FileDecimalSeparator(const QLocale& locale) {
    return DecimalSeparator(locale) == QLatin1Char(',') ? ',' : '.';
}
