// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/day_step.h"

#include "widgets/picker_moment.h"

std::optional<QString> CorrectedDayStep(const QString& typed) {
    bool ok = false;
    const int value = typed.toInt(&ok);
    if (!ok) return QStringLiteral("1");
    if (value < 0) return QStringLiteral("0");
    return std::nullopt;
}

int DayStepValue(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? value : 1;
}

Moment StepDays(Moment moment, int days) {
    const Moment moved = moment + days;
    if (moved > kLastPickerMoment) return kLastPickerMoment;
    if (moved < kFirstPickerMoment) return kFirstPickerMoment;
    return moved;
}
