// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's texts opened from the chart: the personal text report saved as a file, the
// forecast for the year and the descriptions of the birth stars.
#include "astro/moment.h"
#include "interpretation/personal_forecast.h"
#include "interpretation/ui/forecast_report_window.h"
#include "person/chart_details_report.h"
#include "person/chinese_characters.h"
#include "person/personal_report.h"
#include "person/text_lines_file.h"
#include "person/ui/people_window.h"
#include "text/ini_file.h"
#include "widgets/clock.h"
#include "widgets/error_box.h"
#include "widgets/file_dialogs.h"
#include "widgets/page_viewer.h"

namespace {

const char* const kTextReportFilter = "(*.txt)";

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

QWidget* TFormPeople::Owner() {
    return parentWidget() ? parentWidget() : this;
}

void TFormPeople::SaveTextClick() {
    if (!calculation_ || !chartCurrent_) return;
    const std::string caption = windowTitle().toStdString();
    const QString path =
        AskFileName(this, {FileDialogKind::Save, QString::fromLatin1(kTextReportFilter),
                           QStringLiteral("txt"), Text(ProposedReportFileName(caption))});
    if (path.isEmpty()) return;
    try {
        // The file is Windows-1251: the full chart's characters are spelled as syllables.
        std::vector<std::string> lines = FullPersonalReportLines(caption, *calculation_);
        for (std::string& line : lines) line = InSyllables(line);
        WriteTextLinesFile(path.toStdString(), lines);
    } catch (const EFileError& e) {
        ShowErrorBox(this, QString::fromStdString(e.what()));
    }
}

void TFormPeople::ForecastClick() {
    // The link answers while a chart is shown, also after an edit: the forecast is that of the
    // chart on display.
    if (!calculation_) return;
    OpenForecastReport(ClientForecastYear(ChosenForecastYear(), calculation_->person),
                       *calculation_, Owner());
}

void TFormPeople::ShowBirthStarText(BirthStar star) {
    if (!calculation_) return;
    const PersonChart& chart = calculation_->chart;
    const std::string page = BirthStarPagePath(BirthStarNumber(chart, star), chart.male);
    if (!page.empty()) OpenPageViewer(Text(page), Owner());
}
