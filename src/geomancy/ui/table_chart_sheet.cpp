// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/table_chart_sheet.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QToolButton>

#include "calendar/moment_format.h"
#include "geomancy/azimuth_input.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "geomancy/ui/table_chart_widget.h"
#include "reference/phase_legend.h"

namespace {

constexpr int kLinePixels = 13;
constexpr int kLineHeight = 19;
constexpr int kHeadingLines = 4;
constexpr int kLegendHeight = 28;
constexpr int kPadding = 8;
constexpr int kMinimumWidth = 600;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}
QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QStringList HeadingLines(const TFormFh& window) {
    const GeomanticTable& t = window.Table();
    QString kind = Text(t.normalZone ? "Таблица: нормальная" : "Таблица: замещения");
    // A replacement chart without a remark says "НЕТ." in the window; on paper it says nothing.
    if (!t.normalZone && t.chartComment != "НЕТ.") kind += Text(". ") + Text(t.chartComment);
    return {
        window.windowTitle(),
        Text("Период таблицы: %1 | Текущий период: %2 | ").arg(t.tablePeriod).arg(t.currentPeriod) +
            kind,
        Text("Азимут: %1 | Гора: %2 | Вода: %3")
            .arg(Text(FormatAzimuth(t.azimuth, QLocale().decimalPoint().at(0).toLatin1())))
            .arg(Text(t.sittingMountain), Text(t.facingMountain)),
        Text("Дата строительства или переезда: ") + FormatLongDate(window.TableDate(), QLocale()) +
            Text(" | Расчет на: ") + FormatLongDate(t.calculationMoment, QLocale())};
}

QFont LegendFont(QFont font) {
    font.setPixelSize(kLinePixels - 1);
    return font;
}

int LegendWidth() {
    const QFontMetrics metrics(LegendFont(QFont()));
    int width = 0;
    for (const PhaseLegendRow& row : PhaseLegendTable)
        width += 16 + metrics.horizontalAdvance(Text(row.caption)) + 18;
    return width;
}

void PaintLegend(QPainter& painter, const QRect& strip) {
    painter.setFont(LegendFont(QFont()));
    int x = strip.left();
    for (const PhaseLegendRow& row : PhaseLegendTable) {
        const Rgb c = PhaseColour(row.phase);
        const QRect square(x, strip.center().y() - 5, 10, 10);
        painter.fillRect(square, QColor(c.r, c.g, c.b));
        const QString caption = Text(row.caption);
        const int width = painter.fontMetrics().horizontalAdvance(caption);
        painter.setPen(Qt::black);
        painter.drawText(QRect(x + 16, strip.top(), width + 2, strip.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, caption);
        x += 16 + width + 18;
    }
}

}  // namespace

Picture TableChartSheet(TFormFh& window) {
    // The chart and the gates whole, not the part of them the window's scroll area shows.
    QWidget& area = *window.Chart->parentWidget();
    const Picture grids = WidgetPicture(area);
    const int width =
        std::max({kMinimumWidth, grids.size.width() + 2 * kPadding, LegendWidth() + 2 * kPadding});
    constexpr int gridsTop = kPadding + kHeadingLines * kLineHeight + kPadding;
    const int height = gridsTop + grids.size.height() + kLegendHeight + kPadding;
    TFhChart* chart = window.Chart;
    return {
        QSize(width, height), [&window, chart, grids, width](QPainter& painter) {
            painter.fillRect(QRect(0, 0, width, gridsTop), Qt::white);
            QFont font;
            font.setPixelSize(kLinePixels);
            const QStringList lines = HeadingLines(window);
            for (int i = 0; i < lines.size(); ++i) {
                font.setBold(i == 0);
                painter.setFont(font);
                painter.setPen(i == 0 ? QColor(128, 0, 0) : QColor(Qt::black));
                painter.drawText(
                    QRect(kPadding, kPadding + i * kLineHeight, width - 2 * kPadding, kLineHeight),
                    Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
            }
            // The legend first: a widget drawn onto a PDF leaves the page clipped to itself.
            const QRect legend(kPadding, gridsTop + grids.size.height(), width - 2 * kPadding,
                               kLegendHeight);
            painter.fillRect(QRect(0, legend.top(), width, kLegendHeight + kPadding), Qt::white);
            PaintLegend(painter, legend);
            // The palace buttons are for the screen only; the facts beside the gates repeat the
            // heading lines.
            std::vector<QWidget*> shown;
            for (PalaceIndex p = 0; p < kPalaceCount; ++p)
                if (!chart->PalaceButton(p)->isHidden()) shown.push_back(chart->PalaceButton(p));
            if (window.ChartFacts && !window.ChartFacts->isHidden())
                shown.push_back(window.ChartFacts);
            for (QWidget* b : shown) b->setVisible(false);
            painter.save();
            painter.translate(kPadding, gridsTop);
            grids.paint(painter);
            painter.restore();
            for (QWidget* b : shown) b->setVisible(true);
        }};
}

QString TableSheetHeader(const TFormFh& window) {
    const QString status = window.ComputedLine();
    return status.isEmpty() ? window.windowTitle() : window.windowTitle() + Text(" — ") + status;
}
