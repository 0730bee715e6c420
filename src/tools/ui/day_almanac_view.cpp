// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/day_almanac_view.h"

#include <QPainter>
#include <QStringList>
#include <algorithm>

#include "almanac/ui/almanac_captions.h"
#include "tools/day_almanac.h"

void PaintRoadMark(QPainter& painter, const QRect& cell, bool yellowRoad) {
    const int side = std::max(5, cell.height() / 7);
    const QRect mark(cell.right() - side - 3, cell.top() + 3, side, side);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(RoadColour(yellowRoad));
    painter.drawRect(mark);
    painter.restore();
}

QString SuitableHoursCaption(const DayFacts& facts, const DayCriteria& criteria) {
    QStringList hours;
    for (const AlmanacHour& h : SuitableHours(facts, criteria)) hours << HourCaption(h);
    return hours.join(QStringLiteral(", "));
}
