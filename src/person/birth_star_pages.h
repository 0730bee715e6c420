// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The descriptions of the birth stars: one rich-text page per star number, a woman's own page for
// the stars 1 and 5 (paths relative to the program's folder, written with backslashes as the
// data paths are).
#include <string>

#include "person/person_chart.h"

// The six stars of the menu "Звезды рождения", in its order.
enum class BirthStar { GreatCycle, SmallCycle, Year, Month, Day, Hour };

// The chart's number of a birth star: as the chart stores it, a woman's mirrored; the year star
// as displayed (a man's 5 stays 5 although his Gua is 2).
int BirthStarNumber(const PersonChart& chart, BirthStar star);

// "\other\people\s" + n + ".rtf"; for a woman with n = 1 or 5 "\other\people\s" + n + "f.rtf".
// "" for a number outside 1..9.
std::string BirthStarPagePath(int star, bool male);
