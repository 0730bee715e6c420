// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/person_batch.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <thread>

#include "astro/moment.h"
#include "astro/parallel_for.h"
#include "astro/term_instant_cache.h"
#include "cli/cli_args.h"
#include "cli/person_birth.h"
#include "cli/person_record.h"
#include "text/utf8.h"
#include "text/whole_file.h"

namespace {

// Births computed together before their lines are written: enough to keep every thread busy,
// few enough that the output of a large file never sits in memory whole.
constexpr std::size_t kChunk = 4096;

// The columns a batch file may have.
const std::vector<std::string> kColumns = {"date",       "sex",    "place",     "tz",
                                           "zone_hours", "summer", "longitude", "name"};

struct BatchLine {
    int number = 0;  // 1 is the header
    std::optional<Person> person;
    std::string error;
};

// The fields of one CSV line: separated by commas, a field in double quotes may hold commas and
// doubled quotes. A trailing carriage return is dropped.
std::vector<std::string> SplitCsv(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += '"', ++i;
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) throw CliError("незакрытая кавычка");
    return fields;
}

// Column positions by name, from the header.
class Header {
public:
    explicit Header(const std::string& line) {
        const std::vector<std::string> names = SplitCsv(line);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (std::find(kColumns.begin(), kColumns.end(), names[i]) == kColumns.end())
                throw CliError("--batch: неизвестный столбец \"" + QuotedBack(names[i]) +
                               "\" в заголовке");
            if (!columns_.emplace(names[i], i).second)
                throw CliError("--batch: столбец \"" + QuotedBack(names[i]) + "\" указан дважды");
        }
        for (const char* needed : {"date", "sex"})
            if (!has(needed))
                throw CliError(std::string("--batch: в заголовке нет столбца \"") + needed + "\"");
        const int zones = has("place") + has("tz") + has("zone_hours");
        if (zones != 1)
            throw CliError(
                "--batch: в заголовке нужен один из столбцов \"place\", \"tz\" или \"zone_hours\"");
        if ((has("summer") || has("longitude")) && !has("zone_hours"))
            throw CliError(
                "--batch: столбцы \"summer\" и \"longitude\" бывают только вместе с "
                "\"zone_hours\"");
        count_ = names.size();
    }
    bool has(const std::string& name) const { return columns_.count(name) != 0; }
    // The field of a column, "" when the header lacks it.
    const std::string& field(const std::vector<std::string>& fields,
                             const std::string& name) const {
        static const std::string none;
        const auto it = columns_.find(name);
        return it == columns_.end() ? none : fields[it->second];
    }
    std::size_t count() const { return count_; }

private:
    std::map<std::string, std::size_t> columns_;
    std::size_t count_ = 0;
};

// The zone of a line, as the command's own options would give it. Places and zone ids are looked
// up once for all the lines that name them.
class ZoneOfLine {
public:
    explicit ZoneOfLine(const Header& header) : header_(header) {}

    const MomentZone& operator()(const std::vector<std::string>& fields) {
        std::vector<std::string> words;
        if (header_.has("place")) {
            words = {"--place", header_.field(fields, "place")};
        } else if (header_.has("tz")) {
            words = {"--tz", header_.field(fields, "tz")};
        } else {
            words = {"--zone-hours", header_.field(fields, "zone_hours")};
            const std::string& summer = header_.field(fields, "summer");
            if (!summer.empty()) words.insert(words.end(), {"--summer", summer});
            const std::string& longitude = header_.field(fields, "longitude");
            if (!longitude.empty()) words.insert(words.end(), {"--longitude", longitude});
        }
        std::string key;
        for (const std::string& w : words) key += w + '\n';
        auto found = zones_.find(key);
        if (found == zones_.end()) {
            std::vector<std::string> valued = ZoneOptionNames();
            valued.insert(valued.end(), PlaceOptionNames().begin(), PlaceOptionNames().end());
            found = zones_.emplace(key, std::make_unique<MomentZone>(CliOptions(words, valued, {})))
                        .first;
        }
        return *found->second;
    }

private:
    const Header& header_;
    std::map<std::string, std::unique_ptr<MomentZone>> zones_;
};

BatchLine ReadLine(std::string_view text, int number, const Header& header, ZoneOfLine& zoneOf) {
    BatchLine line;
    line.number = number;
    try {
        const std::vector<std::string> fields = SplitCsv(text);
        if (fields.size() != header.count())
            throw CliError("ожидается полей: " + std::to_string(header.count()) +
                           ", в строке: " + std::to_string(fields.size()));
        const Moment birth = ParseDateTime(header.field(fields, "date"), "date");
        const bool male = ParseSex(header.field(fields, "sex"));
        Person person = PersonBornAt(birth, male, zoneOf(fields));
        person.name = header.field(fields, "name");
        line.person = std::move(person);
    } catch (const std::exception& e) {
        line.error = e.what();
    }
    return line;
}

// Records are built in place and written as they are: a record is some 16 KB, most of it the
// ninety years of the luck pillars.
void FillRecord(JsonObject& record, const BatchLine& line) {
    record.clear();
    record.reserve(24 * 1024);
    record.add("line", line.number);
    if (!line.person) {
        record.add("error", line.error);
        return;
    }
    const Person& p = *line.person;
    record.add("date", IsoDateTime(p.birth)).add("sex", p.male ? "m" : "f");
    if (!p.name.empty()) record.add("name", p.name);
    const PersonCalculation calculation = CalculatePerson(p, CliLocale());
    FillPersonRecord(record, calculation, ComputeChartDetails(calculation.chart), std::nullopt);
}

}  // namespace

int RunPersonBatch(const std::string& path, int jobs, std::ostream& out) {
    std::string bytes;
    const std::string error = ReadWholeFile(path, bytes);
    if (!error.empty()) throw CliError("--batch: " + error);

    // Lines are read (and places looked up) on this thread; only the charts run in parallel.
    std::vector<BatchLine> lines;
    std::optional<Header> header;
    ZoneOfLine* zoneOf = nullptr;
    std::optional<ZoneOfLine> zones;
    int number = 0;
    // Spreadsheet programs save "CSV UTF-8" with a byte-order mark before the header.
    const std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::size_t first = std::string_view(bytes).substr(0, 3) == kByteOrderMark ? 3 : 0;
    for (std::size_t start = first; start < bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        const std::string_view text(bytes.data() + start, end - start);
        start = end + 1;
        ++number;
        if (text.empty() || text == "\r") continue;
        if (!header) {
            header.emplace(std::string(text));
            zones.emplace(*header);
            zoneOf = &*zones;
            continue;
        }
        lines.push_back(ReadLine(text, number, *header, *zoneOf));
    }
    if (!header) throw CliError("--batch: в файле нет строки заголовка");

    // Every term instant the charts ask for, searched first on all threads: the charts then only
    // read the shared memo. A chart looks at most a year either side of its birth year.
    int firstYear = 9999, lastYear = 0;
    for (const BatchLine& l : lines) {
        if (!l.person) continue;
        const int y = YearOfMoment(l.person->birth);
        firstYear = std::min(firstYear, y);
        lastYear = std::max(lastYear, y);
    }
    if (firstYear <= lastYear) SharedTermInstantCache().Prefill(firstYear - 2, lastYear + 2, jobs);

    // A chunk is written on a thread of its own while the next one is computed: a large batch
    // writes a gigabyte and more, and the charts need not wait for the disk.
    bool failed = false;
    std::vector<JsonObject> computing(std::min(kChunk, lines.size()));
    std::vector<JsonObject> writing(computing.size());
    std::thread writer;
    for (std::size_t first = 0; first < lines.size(); first += kChunk) {
        const std::size_t count = std::min(kChunk, lines.size() - first);
        ParallelFor(count, jobs,
                    [&](std::size_t i) { FillRecord(computing[i], lines[first + i]); });
        if (writer.joinable()) writer.join();
        if (!out) break;
        std::swap(computing, writing);
        writer = std::thread([&writing, &out, count] {
            for (std::size_t i = 0; i < count; ++i) writing[i].writeLine(out);
        });
        for (std::size_t i = 0; i < count; ++i) failed = failed || !lines[first + i].person;
    }
    if (writer.joinable()) writer.join();
    return failed ? 2 : 0;
}
