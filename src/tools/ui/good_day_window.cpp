// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/good_day_window.h"

#include "tools/day_pages.h"

TFormGoodDay::TFormGoodDay(std::function<CurrentMoment()> current, QWidget* parent)
    : TDayPageWindow(parent), current_(std::move(current)) {
    setWindowTitle(QString::fromUtf8("12 установлений"));
}

void TFormGoodDay::RaschetGoodDay() {
    const CurrentMoment m = current_();
    setWindowTitle(GoodDayCaption(m.civil, QLocale()));
    LoadPage(OfficerPagePath(OfficerOfDay(m)));
}

void TFormGoodDay::ShowOfficerOfBranches(int officer) {
    Present();
    setWindowTitle(QString::fromUtf8(kRelationsOfficerCaption));
    LoadPage(OfficerPagePath(officer));
}
