// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/ui/client_document.h"

#include <QLocale>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <memory>

#include "interpretation/personal_forecast.h"
#include "interpretation/table_report.h"
#include "interpretation/ui/chart_details_page.h"
#include "interpretation/ui/forecast_report_window.h"
#include "interpretation/ui/report_window.h"

namespace {

// The base font of the report area, so that paper shows the proportions of the window.
std::shared_ptr<QTextDocument> NewReportText() {
    auto text = std::make_shared<QTextDocument>();
    QFont base(QString::fromUtf8(kReportFontName));
    base.setPixelSize(13);
    text->setDefaultFont(base);
    return text;
}

// Appends `part` to `text`, starting on a new page when `text` already has something.
void AppendOnNewPage(QTextDocument& text, const QTextDocument& part) {
    QTextCursor cursor(&text);
    cursor.movePosition(QTextCursor::End);
    const bool first = text.isEmpty();
    if (!first) cursor.insertBlock();
    const int start = cursor.position();
    cursor.insertFragment(QTextDocumentFragment(&part));
    if (first) return;
    QTextCursor head(&text);
    head.setPosition(start);
    QTextBlockFormat format = head.blockFormat();
    format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    head.setBlockFormat(format);
}

}  // namespace

PrintDocument TableClientDocument(const GeomanticTable& table, const QString& caption,
                                  const QString& header, const Picture& chart) {
    const ReportContent content = TableReportContent(table, caption.toStdString(), QLocale());
    auto text = NewReportText();
    FillReportText(*text, content.document);
    return PrintDocument{header, {chart}, text};
}

PrintDocument PersonClientDocument(const PersonCalculation& calculation,
                                   const std::vector<std::string>& reportLines,
                                   const ForecastYear& year, const QString& header,
                                   const Picture& chart, QString& error) {
    error.clear();
    PrintDocument document = PersonReportDocument(reportLines, header);
    document.pictures.push_back(chart);
    const ReportContent forecast =
        ForecastReportContent(year, calculation, ProgramForecastTexts(), QLocale());
    if (!forecast.error.empty()) {
        error = QString::fromStdString(forecast.error);
        document.text = nullptr;
        return document;
    }
    auto text = std::make_shared<QTextDocument>();
    text->setDefaultFont(document.text->defaultFont());
    AppendOnNewPage(*text, *document.text);
    AppendChartDetailsPage(*text, ComputeChartDetails(calculation.chart));
    auto part = NewReportText();
    FillReportText(*part, forecast.document);
    AppendOnNewPage(*text, *part);
    document.text = text;
    return document;
}

PrintDocument PersonReportDocument(const std::vector<std::string>& reportLines,
                                   const QString& header) {
    ReportDocument personal;
    for (std::size_t i = 0; i < reportLines.size(); ++i) {
        personal.SetStyle(i == 0 ? ReportStyle::Titl : ReportStyle::Text);
        if (reportLines[i].empty())
            personal.AppendEmpty();
        else
            personal.Append(reportLines[i]);
    }
    auto text = NewReportText();
    FillReportText(*text, personal);
    return PrintDocument{header, {}, text};
}

void ExportClientDocument(QWidget* parent, const PrintDocument& document,
                          const QString& proposedName) {
    ExportPdfWithDialog(parent, document, proposedName);
}
