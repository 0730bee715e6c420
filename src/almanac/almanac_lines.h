// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The almanac day as lines of plain text, for the command line and the exported files (the
// windows make their own captions in almanac/ui).
#include <string>
#include <vector>

#include "almanac/almanac_day.h"

// "23:00": a clock time, to the nearest minute.
std::string ClockMinutes(Moment civil);
// "Небесная кара (天刑), чёрный путь" and "(庚寅) Тигр, ша: Ю": the values of the two lines below.
std::string SpiritText(const AlmanacDay& a);
std::string ClashText(const AlmanacDay& a);
// "Дух дня: Небесная кара (天刑), чёрный путь".
std::string SpiritLine(const AlmanacDay& a);
// "Столкновение: (庚寅) Тигр, ша: Ю".
std::string ClashLine(const AlmanacDay& a);
// "Радость: ЮЗ, богатство: ЮЗ, знатный ян: З, знатный инь: СЗ".
std::string GodsLine(const AlmanacDay& a);
// "Пэн Цзу, Бин: не чинить очаг — не миновать беды (丙不修灶必见灾殃)", and the branch's.
std::string StemTabooLine(const AlmanacDay& a);
std::string BranchTabooLine(const AlmanacDay& a);
// "Благоприятные часы: Цзы 23:00–01:00, Чоу 01:00–03:00, ...".
std::string AuspiciousHoursLine(const AlmanacDay& a);
// The six lines above, in that order.
std::vector<std::string> AlmanacLines(const AlmanacDay& a);

// "чёрный путь" / "жёлтый путь".
const char* RoadName(bool yellowRoad);
