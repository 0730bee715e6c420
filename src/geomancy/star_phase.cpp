// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/star_phase.h"

#include <array>

namespace {

const std::array<const char*, 5> kNames = {"Расцвет", "Порождение", "Смерть", "Разрушение",
                                           "Отступление"};

const std::array<Rgb, 5> kColours = {Rgb{0, 128, 255}, Rgb{0, 128, 0}, Rgb{210, 0, 0},
                                     Rgb{128, 0, 128}, Rgb{128, 128, 128}};

const std::array<const char*, 5> kGateTexts = {
    "расцвета. Есть большая поддержка по богатству.",
    "порождения. Есть небольшая поддержка по богатству.",
    "смерти. Нет пользы от врат.",
    "разрушения. Нет пользы от врат.",
    "отступления. Нет пользы от врат.",
};

const std::array<const char*, 5> kFacingTexts = {
    "расцвета. Расцвет по богатству.",    "порождения. Есть небольшая поддержка по богатству.",
    "смерти. Предвещает разорение.",      "разрушения. Предвещает разорение.",
    "отступления. Нет пользы от звезды.",
};

const std::array<const char*, 5> kMountainTexts = {
    "расцвета. Предвещает расцвет рода.",  "порождения. Есть небольшая поддержка для рода.",
    "смерти. Предвещает разрушение рода.", "разрушения. Предвещает разрушение рода.",
    "отступления. Нет пользы от звезды.",
};

std::string PhaseText(const std::array<const char*, 5>& texts, int period, int star) {
    const auto phase = StarPhaseOf(period, star);
    return phase ? texts[static_cast<int>(*phase)] : "";
}

}  // namespace

std::optional<StarPhase> StarPhaseOf(int period, int star) {
    if (period < 1 || period > 9 || star < 1 || star > 9) return std::nullopt;
    static const std::array<StarPhase, 9> kByDistance = {
        StarPhase::Prosperity,  StarPhase::Growth,      StarPhase::Growth,
        StarPhase::Destruction, StarPhase::Destruction, StarPhase::Death,
        StarPhase::Death,       StarPhase::Death,       StarPhase::Retreat};
    return kByDistance[((star - period) % 9 + 9) % 9];
}

std::string StarPhaseName(int phase) {
    return phase >= 0 && phase < 5 ? kNames[phase] : "";
}

std::string StarPhaseName(std::optional<StarPhase> phase) {
    return phase ? StarPhaseName(*phase) : "";
}

Rgb PhaseColour(StarPhase phase) {
    return kColours[static_cast<int>(phase)];
}

std::string GatePhaseText(int period, int star) {
    return PhaseText(kGateTexts, period, star);
}
std::string FacingPhaseText(int period, int star) {
    return PhaseText(kFacingTexts, period, star);
}
std::string MountainPhaseText(int period, int star) {
    return PhaseText(kMountainTexts, period, star);
}
