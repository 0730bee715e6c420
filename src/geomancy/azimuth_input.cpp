#include "geomancy/azimuth_input.h"

#include <cctype>
#include <charconv>

#include "calendar/moment_format.h"
#include "geomancy/flying_chart.h"

namespace {

// A decimal integer with an optional sign and nothing else.
std::optional<long> DecimalInteger(const std::string& text) {
    const size_t start = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    if (start == text.size()) return std::nullopt;
    for (size_t i = start; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    }
    long value = 0;
    const auto r = std::from_chars(text.data() + start, text.data() + text.size(), value);
    if (r.ec == std::errc::result_out_of_range) return text[0] == '-' ? -1L : 361L;
    return text[0] == '-' ? -value : value;
}

}  // namespace

AzimuthBox CheckAzimuthText(const std::string& typed) {
    AzimuthBox box;
    box.text = typed;
    const auto value = DecimalInteger(typed);
    if (!value || *value < 0) {
        box.text = "0";
    } else if (*value > 360) {
        box.text = "360";
    }
    box.azimuth = !value || *value < 0 ? 0 : *value > 360 ? 360 : static_cast<int>(*value);
    box.normalZone = InNormalZone(box.azimuth);
    box.facing = MountainOfAzimuth(box.azimuth);
    box.sitting = SittingMountain(box.facing);
    return box;
}

std::optional<std::string> AzimuthTextOfFacing(MountainIndex facing) {
    if (facing < 0 || facing >= kMountainCount) return std::nullopt;
    return std::to_string(MountainCentre(facing));
}

std::optional<MountainIndex> FacingOfSitting(MountainIndex sitting) {
    if (sitting < 0 || sitting >= kMountainCount) return std::nullopt;
    return SittingMountain(sitting);
}

std::string TableStatusLine(int azimuth, Moment tableDate, Moment civil, const QLocale& locale) {
    return "Азимут: " + std::to_string(azimuth) + " | Дата строительства или переезда: " +
           FormatShortDate(tableDate, locale).toStdString() + " | Расчет на: " +
           FormatShortDate(civil, locale).toStdString();
}
