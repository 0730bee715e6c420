// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The almanac's part in choosing days: which of a day's auspicious (yellow-road) hours suit the
// persons, and the almanac lines the exported files carry.
#include <string>
#include <vector>

#include "almanac/almanac_day.h"

struct DayCriteria;
struct DayFacts;

// The day's yellow-road hours; under "без столкновения с ветвью человека в часе" without the hours
// whose branch clashes with a year or day branch of a person of the criteria.
std::vector<AlmanacHour> SuitableHours(const DayFacts& facts, const DayCriteria& criteria);

// "Дух дня: ...", "Столкновение: ...", "Благоприятные часы: ..." (the suitable hours).
std::vector<std::string> DayAlmanacLines(const DayFacts& facts, const DayCriteria& criteria);
