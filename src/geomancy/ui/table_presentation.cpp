// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/table_presentation.h"

Branch TablePresentation::TaiSuiMarker() const {
    return shown_ ? table_.taiSuiBranch : 0;
}

std::optional<PalaceIndex> TablePresentation::FlyingTaiSuiYear() const {
    return shown_ ? table_.flyingTaiSuiYear : std::nullopt;
}

std::optional<PalaceIndex> TablePresentation::FlyingTaiSuiMonth() const {
    return shown_ ? table_.flyingTaiSuiMonth : std::nullopt;
}

std::optional<KillingsDirection> TablePresentation::ShaYear() const {
    return shown_ ? table_.shaYear : std::nullopt;
}

std::optional<KillingsDirection> TablePresentation::ShaMonth() const {
    return shown_ ? table_.shaMonth : std::nullopt;
}

Frame TablePresentation::PalaceFrame(PalaceIndex palace) const {
    if (!shown_) return Frame{};
    if (palace == FacingPalace(table_.azimuth)) return Frame{kHighlight, 3};
    if (palace == SittingPalace(table_.azimuth)) return Frame{kBlack, 3};
    return Frame{};
}

Frame TablePresentation::GateFrame(int gate, PalaceIndex cell) const {
    if (!shown_ || gate < 0 || gate >= static_cast<int>(table_.gates.size())) return Frame{};
    return cell == table_.gates[gate].palace ? Frame{kHighlight, 2} : Frame{};
}

TextColour AzimuthColour(bool normalZone) {
    return normalZone ? std::nullopt : TextColour{kRed};
}

Rgb PhaseDigitColour(std::optional<StarPhase> phase) {
    return phase ? PhaseColour(*phase) : kBlack;
}

std::string PhaseHint(std::optional<StarPhase> phase) {
    return StarPhaseName(phase);
}

TextColour TimeDigitColour(PalaceIndex palace, int star) {
    if (palace == Palace::Centre) return std::nullopt;
    return star == 5 || star == 2 ? kRed : kBlack;
}
