// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The almanac in "Выбор дней": the mark of the day's road in a grid cell and the caption of a
// chosen day's auspicious hours.
#include <QRect>
#include <QString>

#include "tools/day_selection.h"

class QPainter;

// A small square in the cell's upper right corner, in the colour of the road.
void PaintRoadMark(QPainter& painter, const QRect& cell, bool yellowRoad);
// The day's auspicious hours that suit the persons of the criteria: "Цзы 23:00–01:00, ...".
QString SuitableHoursCaption(const DayFacts& facts, const DayCriteria& criteria);
