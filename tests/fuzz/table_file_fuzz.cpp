// SPDX-License-Identifier: GPL-3.0-or-later
// The table file as users hand it to each other: any bytes read as a ".gvt" (the date, the
// azimuth whole or to a tenth as "187,5"), the chart computed, the table saved and read back as
// the same table.
#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "file_round_trip.h"
#include "geomancy/table_computation.h"
#include "geomancy/table_file.h"

// Read back as the same table: found by the round trip's comparison through its argument type.
static bool operator==(const TableFileContents& a, const TableFileContents& b) {
    return a.date == b.date && a.azimuth == b.azimuth;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RoundTripFiles files("gvt");
    const Moment now = EncodeMoment(2024, 5, 1, 12, 0, 0);
    static const CurrentMoment moment = ComputeMomentCalendar(now, TimeSettings()).moment;
    return ReadCheckSaveReadBack(
        files, data, size, [&](const std::string& path) { return ReadTableFile(path, now); },
        [](const TableFileContents& table) {
            FUZZ_CHECK(table.azimuth >= 0 && table.azimuth <= 360);
            GeomanticTable chart;
            FUZZ_CHECK(ComputeTable(chart, TableInputs::ForAzimuth(table.azimuth, table.date),
                                    TablePeriod(table.date, 3.0f), moment));
            for (const PalaceCells& p : chart.palaces) FUZZ_CHECK(p.base >= 1 && p.base <= 9);
        },
        [](const std::string& path, const TableFileContents& table) {
            SaveTableFile(path, table.date, table.azimuth, ',');
        });
}
