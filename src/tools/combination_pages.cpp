// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/combination_pages.h"

#include "calendar/vocabulary.h"

std::string StarListCaption(int star) {
    const auto colour = StarColour(star);
    return colour ? std::to_string(star) + " " + *colour : std::string();
}

const char* CombinationKindCaption(CombinationKind kind) {
    return kind == CombinationKind::Cycles ? "Циклы" : "Летящие звезды";
}

std::string CombinationPagePath(int host, int guest, CombinationKind kind) {
    const std::string h = std::to_string(host), g = std::to_string(guest);
    if (kind == CombinationKind::Cycles) return "\\other\\people\\" + h + "-" + g + ".rtf";
    return "\\other\\combstars\\" + h + "_" + g + ".rtf";
}
