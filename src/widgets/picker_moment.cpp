// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/picker_moment.h"

#include <QDateTimeEdit>
#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QTimeZone>
#include <algorithm>

#include "astro/moment.h"
#include "calendar/moment_format.h"
#include "calendar/typed_month.h"

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

namespace {

// Reads the keys typed into the month of a picker and sets the month they name.
class TypedMonthReader : public QObject {
public:
    explicit TypedMonthReader(QDateTimeEdit& picker) : QObject(&picker), picker_(picker) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) typed_.clear();
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (picker_.currentSection() != QDateTimeEdit::MonthSection || text.isEmpty() ||
            !text.at(0).isLetterOrNumber() || (key->modifiers() & ~Qt::ShiftModifier)) {
            typed_.clear();
            return false;
        }
        // The rest of a name already recognised ("июн" + "я") keeps its month; a key that
        // continues nothing starts a new name.
        QString candidate = typed_ + text;
        TypedMonth month = MonthOfTypedText(candidate, picker_.locale());
        if (!month.possible) {
            candidate = text;
            month = MonthOfTypedText(candidate, picker_.locale());
        }
        typed_ = month.possible ? candidate : QString();
        if (month.month && month.month != picker_.date().month()) {
            const QDateTime at = picker_.dateTime();
            const QDate date = at.date();
            const QDate first(date.year(), month.month, 1);
            QDateTime next = at;
            next.setDate(
                QDate(date.year(), month.month, std::min(date.day(), first.daysInMonth())));
            picker_.setDateTime(next);
        }
        return true;
    }

private:
    QDateTimeEdit& picker_;
    QString typed_;
};

}  // namespace

void AcceptTypedMonths(QDateTimeEdit& picker) {
    picker.installEventFilter(new TypedMonthReader(picker));
}
