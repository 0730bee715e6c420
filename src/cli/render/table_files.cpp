// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/render/table_files.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QString>
#include <QtGlobal>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "geomancy/ui/table_chart_sheet.h"
#include "interpretation/ui/client_document.h"
#include "widgets/picker_moment.h"
#include "widgets/print_export.h"

namespace {

// The window system for drawing. On Linux the offscreen platform unless the user chose one: the
// same pictures with or without a display, and no dependence on a stale DISPLAY over SSH.
std::unique_ptr<QApplication> StartWindowSystem() {
    if (QCoreApplication::instance()) return nullptr;
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    static int argc = 1;
    static char name[] = "gavrosin-cli";
    static char* argv[] = {name, nullptr};
    auto app = std::make_unique<QApplication>(argc, argv);
    // QApplication takes the environment's C locale; the command line prints numbers the same
    // whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    return app;
}

bool SameChart(const GeomanticTable& a, const GeomanticTable& b) {
    if (a.tablePeriod != b.tablePeriod || a.currentPeriod != b.currentPeriod ||
        a.normalZone != b.normalZone || a.azimuth != b.azimuth)
        return false;
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        const PalaceCells& x = a.palaces[p];
        const PalaceCells& y = b.palaces[p];
        if (x.mountain != y.mountain || x.facing != y.facing || x.base != y.base ||
            x.year != y.year || x.month != y.month || x.day != y.day)
            return false;
    }
    return true;
}

// Qt's remarks about the platform ("XDG_RUNTIME_DIR not set", "does not support raise()") are not
// the tool's to print: stderr carries the tool's one-line errors only. Critical and fatal
// messages still go through.
QtMessageHandler previousHandler = nullptr;

void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtCriticalMsg && type != QtFatalMsg) return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

struct QuietQt {
    QuietQt() { previousHandler = qInstallMessageHandler(QuietHandler); }
    ~QuietQt() { qInstallMessageHandler(previousHandler); }
};

}  // namespace

std::string WriteTableFiles(const TableDrawing& drawing) {
    const QuietQt quiet;
    const std::unique_ptr<QApplication> app = StartWindowSystem();
    // The table window computes and paints the chart exactly as on screen; it is laid out but
    // never shown.
    TFormFh window(
        {[&drawing] { return drawing.moment; }, [&drawing] { return drawing.zoneHours; }});
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    window.Azimuth->EditAz->setText(QString::number(drawing.table.azimuth));
    window.DateTable->setDateTime(DateTimeOfMoment(drawing.tableDate));
    window.Raschet();
    if (!SameChart(window.Table(), drawing.table))
        return "окно таблицы рассчитало не ту таблицу, что команда";

    const Picture chart = TableChartSheet(window);
    if (drawing.pngFile) {
        const QString error = WritePngFile(chart, QString::fromStdString(*drawing.pngFile));
        if (!error.isEmpty()) return error.toStdString();
    }
    if (drawing.pdfFile) {
        const PrintDocument document = TableClientDocument(window.Table(), window.windowTitle(),
                                                           TableSheetHeader(window), chart);
        const QString error = WritePdfFile(document, QString::fromStdString(*drawing.pdfFile));
        if (!error.isEmpty()) return error.toStdString();
    }
    return {};
}
