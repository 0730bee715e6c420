// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of the full birth chart, one table for the window, the reports and the command line:
// the Ten Gods, the stages, void, the palaces, the symbolic stars and their bases.
#include <string>

#include "person/chart_details.h"

// "Друг", "Соперник", … "Прямая печать".
const std::string& TenGodCaption(TenGod god);
// "比肩", "劫财", … "正印".
const std::string& TenGodCharacters(TenGod god);
// "friend", "rival", "eater", "rebel", "indirect_wealth", "direct_wealth", "seven_killings",
// "direct_officer", "indirect_seal", "direct_seal": the keys of the command line's JSON.
const std::string& TenGodId(TenGod god);

extern const char* const kDayMasterCaption;     // "Хозяин дня"
extern const char* const kDayMasterCharacters;  // "日主"
extern const char* const kDayMasterId;          // "day_master"

// The god caption of position `pillarIndex` (0..3, year … hour) of a chart: the day pillar's stem
// is the day master itself.
std::string StemGodCaption(const ChartDetails& d, int pillarIndex);

// "丁 己": the hidden stems in characters; "Прямой чиновник, Прямая печать": their gods.
std::string HiddenStemsText(const PillarGods& g);
std::string HiddenGodsText(const PillarGods& g);

// The stage name of the day master in a pillar ("Купание" … "Рождение").
const std::string& StageCaption(const PillarDetails& d);

// "Пустота" when the pillar's branch is void by the day or the year: "Пустота (день)",
// "Пустота (год)", "Пустота (день, год)"; "" otherwise.
std::string VoidMark(const PillarDetails& d);
// "申酉".
std::string VoidPairCharacters(const VoidPair& v);

// "Год", "Месяц", "День", "Час".
const std::string& ChartPillarName(int pillarIndex);

// "ствол дня", "ветвь года", "ветвь дня", "ветвь месяца"; and the JSON keys "day_stem",
// "year_branch", "day_branch", "month_branch".
const std::string& StarBasisCaption(StarBasis basis);
const std::string& StarBasisId(StarBasis basis);

// "天乙贵人 Благородный человек".
std::string SymbolicStarCaption(int ruleIndex);
// "Год, День": the pillars a star falls in.
std::string StarPillarsText(const SymbolicStarHit& hit);

// Pillar with its Na Yin: "壬申 Металл на острие Меча (9)".
std::string PalaceText(Pillar p);
