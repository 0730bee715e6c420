// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The clock of the birth place at moments other than the birth: the beginning of a month, the
// dates of a forecast. With a known place (its time-zone id) the clock reads as the place's rules
// had it at that very moment: summer time only in its season, a zone changed since the birth,
// local mean time before the place had a zone. Without one, the zone and summer shift chosen for
// the birth hold all year round.
#include <string>

#include "person/person.h"

enum class BirthPlaceClock {
    PlaceRules,  // the place's time-zone rules at each moment
    ChosenZone,  // the zone and summer shift of the birth record
};

BirthPlaceClock BirthPlaceClockOf(const Person& person);

// The zone and summer shift the birth place's clock shows at the universal moment `universal`
// (universal time as used).
TimeSettings BirthPlaceSettingsAt(Moment universal, const Person& person);

// The universal moment `universal` as the birth place's clock shows it: a civil moment.
Moment CivilMomentAtBirthPlace(Moment universal, const Person& person);

// Which clock that is, for a caption after "начало": "по времени места рождения на тот момент",
// "по времени пояса Europe/Moscow на тот момент" (a zone without a place's name), "по поясу
// (GMT +03:00), летнее время: 1" (the chosen zone).
std::string BirthPlaceClockText(const Person& person);
