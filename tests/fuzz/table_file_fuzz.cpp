// SPDX-License-Identifier: GPL-3.0-or-later
// The table file as users hand it to each other: any bytes read as a ".gvt" (the date, the
// azimuth whole or to a tenth as "187,5"), the chart computed, the table saved and read back as
// the same table.
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>

#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "fuzz_checks.h"
#include "geomancy/table_computation.h"
#include "geomancy/table_file.h"
#include "text/gavrosin_error.h"

namespace {

struct Folder {
    QTemporaryDir dir;
    std::string input = dir.filePath(QStringLiteral("in.gvt")).toStdString();
    std::string output = dir.filePath(QStringLiteral("out.gvt")).toStdString();
};

void Write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    const Moment now = EncodeMoment(2024, 5, 1, 12, 0, 0);
    static const CurrentMoment moment = ComputeMomentCalendar(now, TimeSettings()).moment;
    Write(folder.input, data, size);
    TableFileContents table;
    try {
        table = ReadTableFile(folder.input, now);
    } catch (const GavrosinError&) {
        return 0;  // a value that does not read: the message names it, nothing is loaded
    }
    FUZZ_CHECK(table.azimuth >= 0 && table.azimuth <= 360);

    GeomanticTable chart;
    FUZZ_CHECK(ComputeTable(chart, TableInputs::ForAzimuth(table.azimuth, table.date),
                            TablePeriod(table.date, 3.0f), moment));
    for (const PalaceCells& p : chart.palaces) FUZZ_CHECK(p.base >= 1 && p.base <= 9);

    SaveTableFile(folder.output, table.date, table.azimuth, ',');
    const TableFileContents back = ReadTableFile(folder.output, now);
    FUZZ_CHECK(back.date == table.date && back.azimuth == table.azimuth);
    return 0;
}
