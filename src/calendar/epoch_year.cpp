#include "calendar/epoch_year.h"

#include "astro/lunisolar_date.h"
#include "astro/moment.h"
#include "astro/solar_terms.h"

int EpochYear(Moment civil, float zoneHours) {
    constexpr double kOneHour = 1.0 / 24.0;
    const int year = YearOfMoment(civil);
    const double zone = static_cast<double>(zoneHours) / 24.0;
    const double springBegins = TermInstant(year, 21) + zone;  // "Становление весны", zone time
    const double rainWater = TermInstant(year, 22) + zone;     // "Дождевая вода"

    int r = LunisolarDate(civil + kOneHour).lunarEpochYear;
    const int a = LunisolarDate(springBegins + kOneHour).lunarEpochYear;
    const int w = LunisolarDate(rainWater + kOneHour).lunarEpochYear;

    // The running year turns at "Становление весны", whichever side of it the lunar new year falls.
    if (a >= w) {
        if (r == a && civil < springBegins) r -= 1;
    } else {
        if (civil > springBegins && r == a) r += 1;
    }
    return r;
}
