// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/report_mode.h"

namespace {

ReportMode& ModeStore() {
    static ReportMode mode = ReportMode::TableInterpretation;
    return mode;
}

}  // namespace

ReportMode CurrentReportMode() {
    return ModeStore();
}

void SetReportMode(ReportMode mode) {
    ModeStore() = mode;
}
