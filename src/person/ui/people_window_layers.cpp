// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's full chart: the tabs "Полная карта" and "Годы и месяцы" beside the chart
// the window has always shown, filled from the same calculation.
#include <QScrollArea>
#include <QTabWidget>

#include "astro/local_time.h"
#include "person/ui/chart_details_panel.h"
#include "person/ui/luck_years_panel.h"
#include "person/ui/people_window.h"
#include "widgets/clock.h"
#include "widgets/scrolling_page.h"

QTabWidget* TFormPeople::BuildChartLayers(QWidget* chart) {
    ResultTabs = new QTabWidget(this);
    ResultTabs->setDocumentMode(true);
    // Each layer scrolls where the window is smaller than it (a low screen, a birth with many
    // stars): nothing is squeezed or cut.
    chart->setParent(ResultTabs);
    ResultTabs->addTab(ScrollingPage(chart), QString::fromUtf8("Карта"));
    Details = new ChartDetailsPanel(ResultTabs);
    Details->setFont(chart->font());
    ResultTabs->addTab(ScrollingPage(Details), QString::fromUtf8("Полная карта"));
    Years = new LuckYearsPanel(ResultTabs);
    Years->setFont(chart->font());
    ResultTabs->addTab(ScrollingPage(Years), QString::fromUtf8("Годы и месяцы"));
    return ResultTabs;
}

void TFormPeople::ShowChartLayers() {
    if (!calculation_) return;
    const ChartDetails details = ComputeChartDetails(calculation_->chart);
    Details->ShowDetails(details);
    // The running month follows the computer's clock, read in the person's own zone.
    const TimeSettings settings = PersonTimeSettings(calculation_->person);
    Years->ShowYears(details, calculation_->person, CalendarYear(),
                     UniversalMomentOf(Now(), settings));
}

void TFormPeople::ClearChartLayers() {
    Details->Clear();
    Years->Clear();
}
