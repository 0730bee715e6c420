// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The time-zone ids the program accepts: those the system's time-zone database lists
// (QTimeZone::availableTimeZoneIds), and the old names the database keeps as links to them
// ("Europe/Kiev" → "Europe/Kyiv"). Anything else — a path such as "../../dev/stdin", a device,
// an abbreviation such as "MSK" — is refused before the database is asked to open it, so a zone
// id taken from a file, the settings or the command line can never make the program read
// another file.
#include <optional>
#include <string>
#include <vector>

// The listed id `zoneId` stands for (itself, or the zone an old name links to); nullopt when the
// database does not list it.
std::optional<std::string> ListedZoneId(const std::string& zoneId);

// Up to `count` listed ids nearest to a mistyped one, best first: the city named exactly
// ("Moscow" → "Europe/Moscow", "Kyiv" → "Europe/Kyiv"), then cities that begin with the text,
// then the fewest edits. Empty for a text too long or too far from every id to be a typo.
std::vector<std::string> NearestZoneIds(const std::string& text, std::size_t count);

// `zoneId` as a message may quote it: at most 40 characters, anything but printable ASCII as '?'.
std::string QuotedZoneId(const std::string& zoneId);
