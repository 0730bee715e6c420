// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conception pillar (Зачатие, 胎元) and the life and body palaces (Дворец жизни, 命宫;
// Дворец тела, 身宫) of a birth.
#include "calendar/vocabulary.h"

struct BirthPalaces {
    Pillar conception;
    Pillar life;
    Pillar body;
};

// Conception: the month stem one on, the month branch three on. The palaces by the classic rule:
// the first month (寅) is put on 子 and the months counted backwards to the birth month; on that
// place the birth hour is put and the hours counted forwards — where 卯 falls is the life palace,
// where 酉 falls the body palace. Their stems follow from the year stem as month stems do.
BirthPalaces BirthPalacesOf(Pillar year, Pillar month, Pillar hour);
