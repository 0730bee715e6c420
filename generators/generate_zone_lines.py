#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes src/astro/zone_lines_generated.cpp: the standard offset of every IANA zone, period by
period, as the zone lines of the tz database's source give it.

The compiled database (what QTimeZone reads) keeps the total offset of each period and a flag
"summer or not", but not how the total splits into standard and summer parts; the library then
guesses. The source lines say it: each zone line has its standard offset (STDOFF) and holds until
its UNTIL instant. A summer part is the total minus the standard offset of the line in force.

Where a line follows rules with a negative summer part, or has one of its own (Europe/Dublin
since 1968, Africa/Windhoek 1994-2017, Africa/Casablanca since 2018, Europe/Prague in the winter
of 1946-47: winter or Ramadan set back from a "standard" that is the summer time), the standard
offset is lowered by that part, so that every summer part is positive, as in the database's own
"rearguard" form.

The first line of a zone is the local mean time of its reference city (format "LMT"): flagged,
so that the program can use a place's own mean time before the zone's first standard offset.

Source: /usr/share/zoneinfo/tzdata.zi of Debian's tzdata package (the IANA database, public
domain), version named in its first line. UNTIL instants in wall-clock time are converted to
universal time with the total offset in force just before them, read from the compiled database
of the same package (Python's zoneinfo).

Usage: python3 generators/generate_zone_lines.py [/usr/share/zoneinfo/tzdata.zi]
       [src/astro/zone_lines_generated.cpp]
The generated file is committed: building the program does not need this script.
"""
import calendar
import datetime as dt
import re
import sys
import zoneinfo

MONTHS = {"ja": 1, "f": 2, "mar": 3, "ap": 4, "may": 5, "jun": 6, "jul": 7, "au": 8, "s": 9,
          "o": 10, "n": 11, "d": 12}
WEEKDAYS = {"m": 0, "tu": 1, "w": 2, "th": 3, "f": 4, "sa": 5, "su": 6}
FOREVER = (1 << 63) - 1


def fail(message):
    sys.stderr.write(f"generate_zone_lines: {message}\n")
    sys.exit(1)


def lookup(table, word):
    """Abbreviations of the compact source: the shortest unique prefix, any case."""
    word = word.lower()
    found = [v for k, v in table.items() if k.startswith(word) or word.startswith(k)]
    if len(found) != 1:
        fail(f"unknown month or weekday {word!r}")
    return found[0]


def seconds_of(text):
    """'2', '-0:25:21', '2:30s', '24' -> seconds and the suffix ('w', 's' or 'u')."""
    suffix = "w"
    if text and text[-1] in "wsugz":
        suffix = {"g": "u", "z": "u"}.get(text[-1], text[-1])
        text = text[:-1]
    if text == "-" or text == "":
        return 0, suffix
    sign = -1 if text.startswith("-") else 1
    parts = [float(p) for p in text.lstrip("-").split(":")] + [0, 0]
    return sign * round(parts[0] * 3600 + parts[1] * 60 + parts[2]), suffix


def day_of(year, month, day_rule):
    if day_rule.startswith("last"):
        weekday = lookup(WEEKDAYS, day_rule[4:])
        last = calendar.monthrange(year, month)[1]
        return max(d for d in range(last - 6, last + 1)
                   if calendar.weekday(year, month, d) == weekday)
    m = re.fullmatch(r"([A-Za-z]+)([<>]=)(\d+)", day_rule)
    if m:
        weekday = lookup(WEEKDAYS, m.group(1))
        pivot = int(m.group(3))
        days = range(pivot, pivot + 7) if m.group(2) == ">=" else range(pivot, pivot - 7, -1)
        for d in days:
            if calendar.weekday(year, month, d) == weekday:
                return d
        fail(f"no day for {day_rule}")
    return int(day_rule)


def until_local(fields):
    """UNTIL fields -> (seconds since 1970 as if the clock were GMT, suffix)."""
    year = int(fields[0])
    month = lookup(MONTHS, fields[1]) if len(fields) > 1 else 1
    day = day_of(year, month, fields[2]) if len(fields) > 2 else 1
    time, suffix = seconds_of(fields[3]) if len(fields) > 3 else (0, "w")
    midnight = calendar.timegm((year, month, day, 0, 0, 0))
    return midnight + time, suffix


def total_offset(zone, utc_seconds):
    instant = dt.datetime.fromtimestamp(utc_seconds, dt.timezone.utc)
    return round(instant.astimezone(zone).utcoffset().total_seconds())


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/zoneinfo/tzdata.zi"
    output = sys.argv[2] if len(sys.argv) > 2 else "src/astro/zone_lines_generated.cpp"
    version = None
    zones, links, lowest_save = {}, {}, {}
    current = None
    with open(source, encoding="utf-8") as f:
        for line in f:
            words = line.split()
            if not words:
                continue
            if words[0] == "#":
                if len(words) >= 3 and words[1] == "version":
                    version = words[2]
                continue
            if words[0] == "R":
                save = seconds_of(words[8])[0]
                lowest_save[words[1]] = min(save, lowest_save.get(words[1], 0))
                current = None
            elif words[0] == "L":
                links[words[2]] = words[1]
                current = None
            elif words[0] == "Z":
                current = zones.setdefault(words[1], [])
                current.append(words[2:])
            elif current is not None:
                current.append(words)
            else:
                fail(f"continuation line outside a zone: {line!r}")
    if not version:
        fail("no version line")

    rows, index = [], {}
    for name in sorted(zones):
        tz = zoneinfo.ZoneInfo(name)
        first = len(rows)
        for stdoff_text, rules, fmt, *until in zones[name]:
            standard, _ = seconds_of(stdoff_text)
            if re.fullmatch(r"-?\d[\d:]*", rules):  # a fixed summer part instead of rules
                standard += min(seconds_of(rules)[0], 0)
            elif rules in lowest_save:
                standard += lowest_save[rules]
            if not until:
                rows.append((FOREVER, standard, fmt == "LMT"))
                continue
            local, suffix = until_local(until)
            if suffix == "u":
                utc = local
            elif suffix == "s":
                utc = local - seconds_of(stdoff_text)[0]
            else:
                # Wall clock: minus the total offset in force just before the change.
                utc = local - seconds_of(stdoff_text)[0]
                for _ in range(3):
                    utc = local - total_offset(tz, utc - 1)
            rows.append((utc, standard, fmt == "LMT"))
        index[name] = (first, len(rows))
    for alias, target in links.items():
        if target not in index:
            fail(f"link {alias} to unknown zone {target}")
        index[alias] = index[target]

    out = []
    out.append("// Generated by generators/generate_zone_lines.py from tzdata.zi of Debian's tzdata "
               f"package (IANA tz database {version}, public domain). Do not edit.")
    out.append("// The zone lines of every zone: until when (seconds since 1970-01-01 00:00 UTC) each "
               "holds, its standard")
    out.append("// offset (seconds east of GMT) and whether it is local mean time.")
    out.append('#include "astro/zone_lines.h"')
    out.append("")
    out.append(f'const char* const kZoneLinesVersion = "{version}";')
    out.append("")
    out.append("const ZoneLine kZoneLines[] = {")
    for utc, standard, mean in rows:
        until = "kForever" if utc == FOREVER else f"{utc}LL"
        out.append(f"    {{{until}, {standard}, {'true' if mean else 'false'}}},")
    out.append("};")
    out.append("")
    out.append("const ZoneLineRange kZoneLineRanges[] = {")
    for name in sorted(index):
        first, end = index[name]
        out.append(f'    {{"{name}", {first}, {end}}},')
    out.append("};")
    out.append("")
    out.append(f"const int kZoneLineRangeCount = {len(index)};")
    with open(output, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    print(f"{len(zones)} zones, {len(links)} links, {len(rows)} lines, tzdata {version}")


main()
