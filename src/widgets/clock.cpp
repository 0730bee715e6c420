// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/clock.h"

#include <QDateTime>

#include "widgets/picker_moment.h"

namespace {

std::function<Moment()>& InstalledClock() {
    static std::function<Moment()> clock;
    return clock;
}

}  // namespace

Moment Now() {
    const auto& clock = InstalledClock();
    if (clock) return clock();
    return MomentOfDateTime(QDateTime::currentDateTime());
}

void SetClock(std::function<Moment()> clock) {
    InstalledClock() = std::move(clock);
}
