// SPDX-License-Identifier: GPL-3.0-or-later
// The person file as users hand it to each other: any bytes read as a ".gvp" (every key, the
// exact offset "GMTSeconds", the place and its "TimeZoneId" included), the chart computed, the
// person saved and read back as the same person. A zone id that is not the database's never
// gets through.
#include <QLocale>
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>

#include "astro/moment.h"
#include "astro/zone_ids.h"
#include "fuzz_checks.h"
#include "person/person_chart.h"
#include "person/person_file.h"
#include "text/gavrosin_error.h"

namespace {

struct Folder {
    QTemporaryDir dir;
    std::string input = dir.filePath(QStringLiteral("in.gvp")).toStdString();
    std::string output = dir.filePath(QStringLiteral("out.gvp")).toStdString();
};

void Write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Folder folder;
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    const Moment now = EncodeMoment(2024, 5, 1, 12, 0, 0);
    const TimeSettings settings;
    Write(folder.input, data, size);
    Person person;
    try {
        person = ReadPersonFile(folder.input, now, settings);
    } catch (const GavrosinError&) {
        return 0;  // a value that does not read: the message names it, nothing is loaded
    }
    FUZZ_CHECK(IsValidUtf8(person.name) && IsValidUtf8(person.place));
    FUZZ_CHECK(person.timeZoneId.empty() || ListedZoneId(person.timeZoneId).has_value());
    FUZZ_CHECK(person.zoneIndex >= -1 && person.zoneIndex < kZoneCount);

    const PersonCalculation chart = CalculatePerson(person, locale);
    FUZZ_CHECK(chart.person == person);

    SavePersonFile(folder.output, person, ',');
    const Person back = ReadPersonFile(folder.output, now, settings);
    FUZZ_CHECK(back == person);
    return 0;
}
