// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/table_file.h"

#include <algorithm>
#include <cmath>

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
        const auto date = ParseIniFloat(*text);
        if (!date) throw EConvertError("'" + *text + "' is not a valid floating point value");
        // The date picker's range: 1900-01-01 up to (the end of) 9000-01-01.
        const Moment first = EncodeMoment(1900, 1, 1);
        const Moment last = EncodeMoment(9000, 1, 2);
        if (*date < first || *date >= last) {
            throw EConvertError("'" + *text + "' is not a valid date");
        }
        contents.date = *date;
    }

    if (const auto text = ini.Value(kSection, kAzimuthKey)) {
        if (const auto whole = ParseIniInteger(*text)) {
            contents.azimuth = std::clamp(*whole, 0, 360);
        } else {
            // A tenth of a degree, written by this program under either decimal separator.
            const auto decimal = ParseIniFloat(*text);
            if (!decimal || std::fabs(*decimal * 10 - std::round(*decimal * 10)) > 1e-9)
                throw EConvertError("'" + *text + "' is not a valid integer value");
            contents.azimuth = std::clamp(std::round(*decimal * 10) / 10, 0.0, 360.0);
        }
    }
    return contents;
}

bool IsTableFileName(const std::string& path) {
    return EndsWith(path, ".gvt") || EndsWith(path, ".GVT") || EndsWith(path, ".Gvt");
}
