// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/constell_window.h"

#include "tools/day_pages.h"

TFormConstell::TFormConstell(std::function<CurrentMoment()> current, QWidget* parent)
    : TDayPageWindow(parent), current_(std::move(current)) {
    setWindowTitle(QString::fromUtf8("28 созвездий"));
}

void TFormConstell::RaschetConstell() {
    const CurrentMoment m = current_();
    setWindowTitle(ConstellCaption(m.civil, QLocale()));
    LoadPage(MansionPagePath(m.mansion));
}
