// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The person file (".gvp"): an INI file in Windows-1251 with CR LF line ends.
//
//   [TITLE]
//   Title=gvp
//   [Fild1]
//   Name=...               free text
//   Date=37665,8079649306  birth day count with the time of day, the user's decimal separator
//   Pol=женский            or "мужской"
//   GMT=16                 zone index 0..31
//   Letnee=0               summer hours
//   Dolgota=37             longitude, degrees
//   Check=0                "1" with the longitude switch on
//   GMTSeconds=19800       optional: an exact zone offset in seconds, over GMT (which then holds
//                          the nearest list index, for readers that know only the list)
//   Place=...              optional: the birth place as the picker showed it
//   TimeZoneId=Asia/Kolkata  optional: its IANA zone
//
// The section is "Fild1", as the files in circulation have it. "TITLE" is neither checked nor
// required: any INI file opens, every missing key taking its default.
#include <string>

#include "person/person.h"

// Writes the person into the file, keeping every other line of an existing file, and replaces
// the file atomically (a failed write leaves the old file whole). Raises EFileError
// (text/ini_file.h) when the file cannot be written.
void SavePersonFile(const std::string& path, const Person& person, char decimalSeparator);

// Reads a person file. A missing key takes its default — no name, born `now`, female, the zone,
// summer hours and longitude of `settings`, the longitude switch off (whatever the settings'
// switch). "Pol" is male only as exactly "мужской"; "Check" is off only as exactly "0". "Date"
// reads with either decimal separator.
//
// Raises EConvertError for a "Date" that is not a number or lies outside 1900-01-01 .. 9000-01-01,
// or a "GMT", "Letnee" or "Dolgota" that is not an integer (the first such value, in the order
// the keys are read), its message naming the file, the key and the value; EFileError for a file
// that is missing, cannot be read, is no regular file or is too large for a person file
// (IniFile::Load). The person comes
// back whole or not at all. A zone index outside 0..31 reads as no zone (-1); summer hours and
// longitude outside their ranges are brought to the nearest end, as their up-downs would.
// A "TimeZoneId" the time-zone database does not list is not loaded (the person keeps no zone
// id, the rest of the file loads) and `warning`, when given, names the key and the id.
Person ReadPersonFile(const std::string& path, Moment now, const TimeSettings& settings,
                      std::string* warning = nullptr);

// True for the extensions opened from the command line, spelled exactly ".gvp", ".GVP" or ".Gvp".
bool IsPersonFileName(const std::string& path);
