// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The description pages of the table window (paths relative to the program's folder, written
// with backslashes as the data paths are): one page per star and one per facing/mountain pair.
#include <string>

#include "geomancy/geomantic_table.h"

// "\other\combstars\" + n + "_0.rtf" for a star 1..9; "" outside.
std::string StarDescriptionPage(int star);
// "\other\combstars\" + facing + "_" + mountain + ".rtf" (facing 6 and mountain 5 give
// "\other\combstars\6_5.rtf"); "" when either star is outside 1..9.
std::string CombinationPage(int facingStar, int mountainStar);
// The combination page of a palace's facing and mountain stars (the palace's "Комментарий").
std::string PalaceCommentPage(const GeomanticTable& table, PalaceIndex palace);
