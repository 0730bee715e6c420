// SPDX-License-Identifier: GPL-3.0-or-later
// The person window's chart leaving the program: as text on the clipboard, as a picture or PDF,
// the text report on paper, and the client's document; and the mark of the running luck pillar.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>

#include "astro/moment.h"
#include "interpretation/personal_forecast.h"
#include "interpretation/ui/client_document.h"
#include "person/chart_details_report.h"
#include "person/personal_report.h"
#include "person/ui/people_window.h"
#include "person/ui/person_chart_sheet.h"
#include "widgets/clock.h"
#include "widgets/error_box.h"
#include "widgets/pillar_link.h"

namespace {

QString Caption(const char* s) {
    return QString::fromUtf8(s);
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

}  // namespace

void TFormPeople::BuildOutputCommands() {
    QMenu* chart = menuBar()->addMenu(Caption("Карта"));
    ActionCopy = chart->addAction(Caption("Копировать"));
    connect(ActionCopy, &QAction::triggered, this, &TFormPeople::CopyClick);
    chart->addSeparator();
    ChartExport = AddPictureActions(
        *this, chart, nullptr, [this] { return ChartSheet(CalendarYear()); },
        [this] { return PageHeader(); });

    QMenu* report = menuBar()->addMenu(Caption("Отчет"));
    ActionClientReport = new QAction(Caption("Отчет в PDF..."), this);
    ActionClientReport->setToolTip(Caption("Карта, персональный отчет и прогноз на год одним PDF"));
    connect(ActionClientReport, &QAction::triggered, this, &TFormPeople::ClientReportClick);
    ReportPrint = AddPrintActions(*this, *report, nullptr, [this] {
        if (!calculation_) return PrintDocument{PageHeader(), {}, nullptr};
        return PersonReportDocument(
            FullPersonalReportLines(windowTitle().toStdString(), *calculation_), PageHeader());
    });
    report->addAction(ActionClientReport);
    Popup->insertAction(Popup->actions().value(Popup->actions().size() - 2), ActionCopy);
}

Picture TFormPeople::ChartSheet(int year) const {
    if (!calculation_) return {};
    return PersonChartSheet(PersonChartSections(
        *calculation_, {QString::fromStdString(ClientTitle(calculation_->person)), year}));
}

int TFormPeople::CalendarYear() const {
    return host_.calendarYear ? host_.calendarYear() : YearOfMoment(Now());
}

int TFormPeople::ChosenForecastYear() const {
    return ForecastYearBox->value();
}

void TFormPeople::ShowCalendarYear() {
    ShowForecastYear();
    MarkCurrentLuckPillar();
}

void TFormPeople::ShowForecastYear() {
    // The year is named, not called "текущий": it is the one chosen beside the link.
    const QString forecast = QString::fromStdString(ForecastCaption(ChosenForecastYear()));
    ActionForecast->setText(forecast);
    PopupForecast->setText(forecast);
    LabelForecast->setText(forecast + Caption(" по звезде года рождения"));
}

QString TFormPeople::PageHeader() const {
    // The person and the chart on display, never the file they were saved in.
    return calculation_ ? QString::fromStdString(ClientPageHeader(*calculation_))
                        : Caption(kPeopleCaption);
}

void TFormPeople::MarkCurrentLuckPillar() {
    currentLuck_ = 0;
    if (calculation_) {
        const PersonChart& c = calculation_->chart;
        currentLuck_ = LuckPillarOfYear(c.birthYear, c.firstLuckAge, CalendarYear());
    }
    for (int i = 0; i < kLuckPillarCount; ++i) {
        const bool running = i + 1 == currentLuck_;
        LuckYears[i]->setStyleSheet(running ? QStringLiteral("QLabel { background: #fff0b0; "
                                                             "border: 1px solid #b07000; }")
                                            : QString());
        LuckYears[i]->setToolTip(
            running ? Caption("Текущий столп удачи (%1 год)").arg(CalendarYear()) : QString());
        QFont font = LuckAge[i]->font();
        font.setBold(running);
        LuckAge[i]->setFont(font);
    }
}

void TFormPeople::CopyClick() {
    if (!calculation_ || !chartCurrent_) return;
    std::vector<std::string> lines =
        PersonChartTextLines(windowTitle().toStdString(), *calculation_, CalendarYear());
    lines.push_back("");
    for (std::string& line : ChartDetailsLines(ComputeChartDetails(calculation_->chart)))
        lines.push_back(std::move(line));
    QApplication::clipboard()->setText(QString::fromStdString(Lines(lines)));
}

void TFormPeople::ClientReportClick() {
    if (!calculation_ || !chartCurrent_) return;
    // The document is that of the forecast's year: its forecast, and its running luck pillar.
    const int year = ChosenForecastYear();
    QString error;
    const PrintDocument document = PersonClientDocument(
        *calculation_, ClientReportLines(*calculation_),
        ClientForecastYear(year, calculation_->person), PageHeader(), ChartSheet(year), error);
    if (!error.isEmpty()) {
        ShowErrorBox(this, error);
        return;
    }
    ExportClientDocument(this, document, windowTitle());
}
