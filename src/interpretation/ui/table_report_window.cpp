// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/ui/table_report_window.h"

#include <QMainWindow>
#include <QToolBar>
#include <algorithm>

#include "widgets/screen_fit.h"

#include "interpretation/report_mode.h"
#include "interpretation/table_report.h"
#include "interpretation/ui/report_window.h"

TFormFHInter* OpenTableReport(const GeomanticTable& table, const QString& tableCaption,
                              QWidget* parent) {
    SetReportMode(ReportMode::TableInterpretation);
    auto* window = new TFormFHInter(
        [table, caption = tableCaption.toStdString()] {
            return TableReportContent(table, caption, QLocale());
        },
        parent);
    // The cascade goes on below the table's toolbar: the report never hides the azimuth box the
    // user is likely to change next.
    auto* tableWindow = qobject_cast<QMainWindow*>(parent);
    if (tableWindow && tableWindow->isVisible()) {
        int below = 0;
        for (const QToolBar* bar : tableWindow->findChildren<QToolBar*>())
            below = std::max(below, bar->mapToGlobal(QPoint(0, bar->height())).y() + 8);
        if (window->y() < below) {
            window->move(window->x(), below);
            KeepOnScreen(*window);
        }
    }
    window->show();
    return window;
}
