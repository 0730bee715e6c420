// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/birth_place_clock.h"

#include "astro/place_zone.h"

BirthPlaceClock BirthPlaceClockOf(const Person& person) {
    // A zone id this system's database does not know (a file from elsewhere) leaves the chosen
    // zone, as it leaves the birth itself.
    return !person.timeZoneId.empty() && IsKnownTimeZone(person.timeZoneId)
               ? BirthPlaceClock::PlaceRules
               : BirthPlaceClock::ChosenZone;
}

TimeSettings BirthPlaceSettingsAt(Moment universal, const Person& person) {
    const TimeSettings chosen = PersonTimeSettings(person);
    if (BirthPlaceClockOf(person) == BirthPlaceClock::ChosenZone) return chosen;
    const auto atPlace = TimeSettingsAtUniversal(person.timeZoneId, universal,
                                                 chosen.longitudeDegrees(), person.longitudeOn);
    return atPlace ? *atPlace : chosen;
}

Moment CivilMomentAtBirthPlace(Moment universal, const Person& person) {
    return CivilMomentOf(universal, BirthPlaceSettingsAt(universal, person));
}

std::string BirthPlaceClockText(const Person& person) {
    if (BirthPlaceClockOf(person) == BirthPlaceClock::PlaceRules) {
        // The place itself is named beside the birth; a zone given without one is named here.
        return person.place.empty() ? "по времени пояса " + person.timeZoneId + " на тот момент"
                                    : std::string("по времени места рождения на тот момент");
    }
    const TimeSettings chosen = PersonTimeSettings(person);
    return "по поясу " + chosen.zoneCaption +
           ", летнее время: " + std::to_string(chosen.summerHours);
}
