// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/day_selection_export.h"

#include <cstdio>

#include "almanac/almanac_lines.h"
#include "astro/moment.h"
#include "gavrosin_version.h"
#include "tools/day_almanac.h"

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr std::size_t kIcsLineOctets = 75;

std::string Digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

std::string IsoDay(Moment x) {
    const CivilDateTime t = DecodeMoment(x);
    return Digits(t.year, 4) + "-" + Digits(t.month, 2) + "-" + Digits(t.day, 2);
}

std::string IcsDay(Moment x) {
    const CivilDateTime t = DecodeMoment(x);
    return Digits(t.year, 4) + Digits(t.month, 2) + Digits(t.day, 2);
}

std::string IcsStamp(double utc) {
    const CivilDateTime t = DecodeMoment(utc);
    return IcsDay(utc) + "T" + Digits(t.hour, 2) + Digits(t.minute, 2) + Digits(t.second, 2) + "Z";
}

std::string CsvField(const std::string& text, char separator) {
    if (text.find_first_of(std::string(1, separator) + "\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string Joined(const std::vector<std::string>& lines, const std::string& glue) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : glue) + line;
    return text;
}

std::string PillarText(Pillar p) {
    return StemName(p.stem) + "-" + BranchName(p.branch);
}

// FNV-1a: a stable tag of the event text, so that a file exported again updates the same events.
std::string Fingerprint(const std::string& text) {
    unsigned long long h = 1469598103934665603ull;
    for (unsigned char c : text) h = (h ^ c) * 1099511628211ull;
    char buffer[20];
    std::snprintf(buffer, sizeof buffer, "%016llx", h);
    return buffer;
}

}  // namespace

std::string DaysCsv(const std::vector<DayVerdict>& days, const DayCriteria& criteria,
                    char separator) {
    const std::string sep(1, separator);
    std::string out = "\xEF\xBB\xBF";
    out += Joined({"Дата", "День", "Цзянь", "Созвездие", "Звезда дня", "Лунный месяц",
                   "Лунный день", "Сезон", "Причины", "Дух дня", "Столкновение"},
                  sep) +
           kCrLf;
    for (const DayVerdict& v : days) {
        const DayFacts& f = v.facts;
        const std::string lunarMonth =
            std::to_string(f.lunar.month) + (f.lunar.leap ? " доп." : "");
        const std::vector<std::string> fields = {IsoDay(f.date),
                                                 PillarText(f.day),
                                                 OfficerName(f.officer),
                                                 std::to_string(f.mansion),
                                                 std::to_string(f.dayStar),
                                                 lunarMonth,
                                                 std::to_string(f.lunar.day),
                                                 f.term,
                                                 Joined(DayReasons(f, criteria), "; "),
                                                 SpiritText(f.almanac),
                                                 ClashText(f.almanac)};
        std::string line;
        for (const std::string& field : fields)
            line += (line.empty() ? "" : sep) + CsvField(field, separator);
        out += line + kCrLf;
    }
    return out;
}

std::string EscapeIcsText(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\': out += "\\\\"; break;
            case ';': out += "\\;"; break;
            case ',': out += "\\,"; break;
            case '\n': out += "\\n"; break;
            case '\t': out += ' '; break;
            default:
                // Other control characters (a person's name may carry them) have no place in an
                // iCalendar text value: dropped, as a CR is.
                if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) out += c;
        }
    }
    return out;
}

std::string FoldIcsLine(const std::string& line) {
    std::string out;
    std::size_t start = 0;
    std::size_t room = kIcsLineOctets;
    while (line.size() - start > room) {
        std::size_t cut = start + room;
        // Never inside a UTF-8 character: back up over continuation bytes.
        while (cut > start && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80) --cut;
        out += line.substr(start, cut - start) + kCrLf + " ";
        start = cut;
        room = kIcsLineOctets - 1;  // the leading blank counts
    }
    return out + line.substr(start) + kCrLf;
}

std::string DaysIcs(const std::vector<DayVerdict>& days, const DayCriteria& criteria,
                    double stampUtc) {
    std::string out;
    auto line = [&out](const std::string& text) { out += FoldIcsLine(text); };
    line("BEGIN:VCALENDAR");
    line("VERSION:2.0");
    line(std::string("PRODID:-//Gavrosin//") + kApplicationTitle + "//RU");
    line("CALSCALE:GREGORIAN");
    line("METHOD:PUBLISH");
    const std::string stamp = IcsStamp(stampUtc);
    for (const DayVerdict& v : days) {
        const DayFacts& f = v.facts;
        const std::string summary =
            "Выбор дня: " + OfficerName(f.officer) + ", созвездие " + std::to_string(f.mansion);
        std::vector<std::string> lines = DayReasons(f, criteria);
        for (std::string& line : DayAlmanacLines(f, criteria)) lines.push_back(std::move(line));
        const std::string description = Joined(lines, "\n");
        line("BEGIN:VEVENT");
        line("UID:" + IcsDay(f.date) + "-" + Fingerprint(summary + description) + "@gavrosin");
        line("DTSTAMP:" + stamp);
        line("DTSTART;VALUE=DATE:" + IcsDay(f.date));
        line("DTEND;VALUE=DATE:" + IcsDay(f.date + 1));
        line("SUMMARY:" + EscapeIcsText(summary));
        line("DESCRIPTION:" + EscapeIcsText(description));
        line("TRANSP:TRANSPARENT");
        line("END:VEVENT");
    }
    line("END:VCALENDAR");
    return out;
}
