// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/table_file.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "astro/convert_error.h"
#include "astro/moment.h"
#include "geomancy/azimuth_input.h"
#include "text/ini_file.h"

namespace {

const char* const kTitleSection = "TITLE";
const char* const kTitleKey = "Title";
const char* const kSection = "Fild1";
const char* const kDateKey = "Date";
const char* const kAzimuthKey = "Azimut";

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void SaveTableFile(const std::string& path, Moment date, double azimuth, char decimalSeparator) {
    IniFile ini = IniFile::LoadOrEmpty(path);
    ini.WriteString(kTitleSection, kTitleKey, "gvt");
    ini.WriteString(kSection, kDateKey, FormatIniFloat(date, decimalSeparator));
    ini.WriteString(kSection, kAzimuthKey, FormatAzimuth(azimuth, decimalSeparator));
    ini.Save(path);
}

TableFileContents ReadTableFile(const std::string& path, Moment now) {
    const IniFile ini = IniFile::Load(path);
    TableFileContents contents;

    contents.date = now;
    if (const auto text = ini.Value(kSection, kDateKey)) {
        // The date picker's range: 1900-01-01 up to (the end of) 9000-01-01.
        const auto date = ParseIniFloat(*text);
        if (!date || *date < EncodeMoment(1900, 1, 1) || *date >= EncodeMoment(9000, 1, 2)) {
            throw EConvertError(
                BadIniValueMessage(path, kDateKey, *text, "не дата от 01.01.1900 до 01.01.9000"));
        }
        contents.date = *date;
    }

    if (const auto text = ini.Value(kSection, kAzimuthKey)) {
        // Whole degrees, or tenths written by this program under either decimal separator;
        // a direction off the compass is refused, not brought in as another direction.
        const auto whole = ParseIniInteger(*text);
        const auto decimal = whole ? std::optional<double>(*whole) : ParseIniFloat(*text);
        if (!decimal || std::fabs(*decimal * 10 - std::round(*decimal * 10)) > 1e-9 ||
            *decimal < 0 || *decimal > 360) {
            throw EConvertError(BadIniValueMessage(
                path, kAzimuthKey, *text, "не азимут от 0 до 360 градусов (с точностью до 0,1)"));
        }
        contents.azimuth = std::round(*decimal * 10) / 10;
    }
    return contents;
}

bool IsTableFileName(const std::string& path) {
    return EndsWith(path, ".gvt") || EndsWith(path, ".GVT") || EndsWith(path, ".Gvt");
}
