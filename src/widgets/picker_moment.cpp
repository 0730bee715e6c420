// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picker_moment.h"

#include <QDateTimeEdit>
#include <QLocale>
#include <QTimeZone>

#include "astro/moment.h"
#include "calendar/moment_format.h"

Moment MomentOfDateTime(const QDateTime& dateTime) {
    const QDate d = dateTime.date();
    const QTime t = dateTime.time();
    return EncodeMoment(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec());
}

QDateTime DateTimeOfMoment(Moment x) {
    const CivilDateTime c = DecodeMoment(x);
    return QDateTime(QDate(c.year, c.month, c.day),
                     QTime(c.hour, c.minute, c.second, c.millisecond), QTimeZone::utc());
}

void HoldCivilTime(QDateTimeEdit& picker) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    picker.setTimeZone(QTimeZone::UTC);
#else
    picker.setTimeSpec(Qt::UTC);
#endif
}

QString PickerDateFormat() {
    return ShortDatePattern(QLocale());
}

QString PickerTimeFormat() {
    QString f = QLocale().timeFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("ss"))) {
        const int minutes = f.indexOf(QLatin1String("mm"));
        if (minutes >= 0) f.insert(minutes + 2, QLatin1String(":ss"));
    }
    return f;
}

Moment MomentOfTime(const QTime& time) {
    // A time the user sets is whole seconds: the milliseconds of "now" that the picker still
    // carries behind its display must not go into a birth or a moment.
    return EncodeMoment(1899, 12, 30, time.hour(), time.minute(), time.second());
}
