// SPDX-License-Identifier: GPL-3.0-or-later
// The person file as users hand it to each other: any bytes read as a ".gvp" (every key, the
// exact offset "GMTSeconds", the place and its "TimeZoneId" included), the chart computed, the
// person saved and read back as the same person. A zone id that is not the database's never
// gets through.
#include <QLocale>

#include "astro/moment.h"
#include "astro/zone_ids.h"
#include "file_round_trip.h"
#include "person/person_chart.h"
#include "person/person_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const RoundTripFiles files("gvp");
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    const Moment now = EncodeMoment(2024, 5, 1, 12, 0, 0);
    return ReadCheckSaveReadBack(
        files, data, size,
        [&](const std::string& path) { return ReadPersonFile(path, now, TimeSettings()); },
        [&](const Person& person) {
            FUZZ_CHECK(IsValidUtf8(person.name) && IsValidUtf8(person.place));
            FUZZ_CHECK(person.timeZoneId.empty() || ListedZoneId(person.timeZoneId).has_value());
            FUZZ_CHECK(person.zoneIndex >= -1 && person.zoneIndex < kZoneCount);
            FUZZ_CHECK(CalculatePerson(person, locale).person == person);
        },
        [](const std::string& path, const Person& person) { SavePersonFile(path, person, ','); });
}
