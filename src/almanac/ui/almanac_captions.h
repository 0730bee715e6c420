// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the windows show of an almanac day: the captions of its spirit, road, clash and sha, the
// gods' directions, the two taboos and the auspicious hours, and the colours of the two roads.
#include <QColor>
#include <QString>
#include <QStringList>

#include "almanac/almanac_day.h"

struct AlmanacCaptions {
    QString spirit;     // "Небесная кара (天刑)"
    QString road;       // "черный путь"
    QColor roadColour;  // see RoadColour
    QString clash;      // "(庚寅) Тигр"
    QString sha;        // "Ю"
    QString joy;        // the gods' directions as the compass captions them: "ЮЗ"
    QString wealth;
    QString yangNoble;
    QString yinNoble;
    QString stemTaboo;  // "Бин: не чинить очаг — не миновать беды (丙不修灶必见灾殃)"
    QString branchTaboo;
    QStringList hours;  // the auspicious hours: "Цзы 23:00–01:00", ...
};

AlmanacCaptions CaptionsOfAlmanac(const AlmanacDay& day);

// The caption of one double hour: "Цзы 23:00–01:00".
QString HourCaption(const AlmanacHour& hour);
// Dark gold for the yellow road, black for the black road.
QColor RoadColour(bool yellowRoad);
