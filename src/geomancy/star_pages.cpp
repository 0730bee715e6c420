// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/star_pages.h"

namespace {

const char* const kFolder = "\\other\\combstars\\";

bool IsStar(int s) {
    return s >= 1 && s <= 9;
}

}  // namespace

std::string StarDescriptionPage(int star) {
    return IsStar(star) ? kFolder + std::to_string(star) + "_0.rtf" : "";
}

std::string CombinationPage(int facingStar, int mountainStar) {
    if (!IsStar(facingStar) || !IsStar(mountainStar)) return "";
    return kFolder + std::to_string(facingStar) + "_" + std::to_string(mountainStar) + ".rtf";
}

std::string PalaceCommentPage(const GeomanticTable& table, PalaceIndex palace) {
    if (palace < 0 || palace >= kPalaceCount) return "";
    const PalaceCells& cells = table.palaces[palace];
    return CombinationPage(cells.facing, cells.mountain);
}
