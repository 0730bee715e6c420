// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/birth_star_pages.h"

int BirthStarNumber(const PersonChart& chart, BirthStar star) {
    switch (star) {
        case BirthStar::GreatCycle: return chart.greatCycleStar;
        case BirthStar::SmallCycle: return chart.smallCycleStar;
        case BirthStar::Year: return chart.yearStar;
        case BirthStar::Month: return chart.monthStar;
        case BirthStar::Day: return chart.dayStar;
        case BirthStar::Hour: return chart.hourStar;
    }
    return 0;
}

std::string BirthStarPagePath(int star, bool male) {
    if (star < 1 || star > 9) return std::string();
    // Only the stars 1 and 5 read differently for a woman.
    const bool womansPage = !male && (star == 1 || star == 5);
    return "\\other\\people\\s" + std::to_string(star) + (womansPage ? "f" : "") + ".rtf";
}
