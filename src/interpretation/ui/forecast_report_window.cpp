// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/ui/forecast_report_window.h"

#include "interpretation/personal_forecast.h"
#include "interpretation/report_mode.h"
#include "interpretation/ui/report_window.h"
#include "person/text_lines_file.h"
#include "widgets/program_folder.h"

ForecastTexts ProgramForecastTexts() {
    return [](const std::string& dataPath) {
        return ReadTextLinesFile(DataPath(QString::fromStdString(dataPath)).toStdString());
    };
}

TFormFHInter* OpenForecastReport(const ForecastYear& year, const PersonCalculation& calculation,
                                 QWidget* parent) {
    SetReportMode(ReportMode::PersonalForecast);
    const ForecastTexts texts = ProgramForecastTexts();
    auto* window = new TFormFHInter(
        [year, calculation, texts] {
            return ForecastReportContent(year, calculation, texts, QLocale());
        },
        parent);
    window->show();
    return window;
}
