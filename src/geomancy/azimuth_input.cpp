// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/azimuth_input.h"

#include <cctype>
#include <cmath>

#include "calendar/moment_format.h"
#include "geomancy/flying_chart.h"

namespace {

constexpr double kSecondsInDay = 86400;

const char* const kNotAnAzimuth = "Азимут — градусы от 0 до 360, до десятых (например, 187,5)";
const char* const kOutOfRange = "Азимут должен быть от 0 до 360 градусов";
const char* const kTooFine = "Азимут задается с точностью до десятой градуса";

// Tenths of a degree written as digits, an optional point or comma and at most one more digit;
// the hint when the text is no such number.
std::optional<long> Tenths(const std::string& text, std::string& hint) {
    size_t i = 0;
    long whole = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        if (whole <= 360) whole = whole * 10 + (text[i] - '0');
        ++i;
    }
    if (i == 0) {
        hint = !text.empty() && text[0] == '-' ? kOutOfRange : kNotAnAzimuth;
        return std::nullopt;
    }
    long tenth = 0;
    if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
        ++i;
        const size_t decimals = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
        if (i - decimals > 1) {
            hint = i == text.size() ? kTooFine : kNotAnAzimuth;
            return std::nullopt;
        }
        if (i > decimals) tenth = text[decimals] - '0';
    }
    if (i != text.size()) {
        hint = kNotAnAzimuth;
        return std::nullopt;
    }
    const long tenths = whole * 10 + tenth;
    if (tenths > 3600) {
        hint = kOutOfRange;
        return std::nullopt;
    }
    return tenths;
}

}  // namespace

AzimuthBox CheckAzimuthText(const std::string& typed) {
    AzimuthBox box;
    box.text = typed;
    const auto tenths = Tenths(typed, box.hint);
    if (!tenths) return box;
    box.azimuth = static_cast<double>(*tenths) / 10;
    box.normalZone = InNormalZone(box.azimuth);
    box.facing = MountainOfAzimuth(box.azimuth);
    box.sitting = SittingMountain(box.facing);
    return box;
}

std::string FormatAzimuth(double azimuth, char decimalSeparator) {
    const long tenths = std::lround(azimuth * 10);
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) text += decimalSeparator + std::to_string(std::labs(tenths % 10));
    return text;
}

std::string BoundaryNote(double azimuth, char decimalSeparator) {
    const MountainIndex m = MountainOfAzimuth(azimuth);
    if (m < 0) return "";
    const double offset = OffsetFromMountainCentre(azimuth);
    const double toEdge = 7.5 - std::fabs(offset);
    const double toZone = std::fabs(std::fabs(offset) - kNormalZoneHalfWidth);
    auto degrees = [decimalSeparator](double d) {
        return FormatAzimuth(d, decimalSeparator) + "°";
    };
    if (toEdge <= 1) {
        // The neighbour on the side of the nearer edge.
        const MountainIndex other = (m + (offset < 0 ? kMountainCount - 1 : 1)) % kMountainCount;
        const MountainIndex first = offset < 0 ? other : m;
        const MountainIndex second = offset < 0 ? m : other;
        return "до границы гор " + MountainCaption(first) + " и " + MountainCaption(second) + " " +
               degrees(toEdge);
    }
    if (toZone <= 1)
        return "до границы зоны замещения горы " + MountainCaption(m) + " " + degrees(toZone);
    return "";
}

std::optional<std::string> AzimuthTextOfFacing(MountainIndex facing) {
    if (facing < 0 || facing >= kMountainCount) return std::nullopt;
    return std::to_string(MountainCentre(facing));
}

std::optional<MountainIndex> FacingOfSitting(MountainIndex sitting) {
    if (sitting < 0 || sitting >= kMountainCount) return std::nullopt;
    return SittingMountain(sitting);
}

std::string TableStatusLine(double azimuth, Moment tableDate, Moment civil, const QLocale& locale) {
    const char separator = locale.decimalPoint().at(0).toLatin1();
    return "Азимут: " + FormatAzimuth(azimuth, separator) + " | Дата строительства или переезда: " +
           FormatShortDate(tableDate, locale).toStdString() +
           " | Расчет на: " + FormatShortDate(civil, locale).toStdString();
}

std::string NotComputedNote(double typedAzimuth, Moment typedDate, double drawnAzimuth,
                            Moment drawnDate, const QLocale& locale) {
    std::string what;
    if (std::lround(typedAzimuth * 10) != std::lround(drawnAzimuth * 10))
        what = "азимут " + FormatAzimuth(typedAzimuth, locale.decimalPoint().at(0).toLatin1());
    // The moving-in time decides the period on the day of "Становление весны": to the second.
    if (std::llround(typedDate * kSecondsInDay) != std::llround(drawnDate * kSecondsInDay)) {
        if (!what.empty()) what += ", ";
        what += "дата " + FormatShortDate(typedDate, locale).toStdString();
    }
    return what.empty() ? "" : "Еще не рассчитано: " + what + " (Enter)";
}
