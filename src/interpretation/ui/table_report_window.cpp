#include "interpretation/ui/table_report_window.h"

#include "interpretation/report_mode.h"
#include "interpretation/ui/report_window.h"
#include "interpretation/table_report.h"

TFormFHInter* OpenTableReport(const GeomanticTable& table, const QString& tableCaption,
                              QWidget* parent) {
    SetReportMode(ReportMode::TableInterpretation);
    auto* window = new TFormFHInter(
        [table, caption = tableCaption.toStdString()] {
            return TableReportContent(table, caption, QLocale());
        },
        parent);
    window->show();
    return window;
}
