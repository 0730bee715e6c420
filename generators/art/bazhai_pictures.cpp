// SPDX-License-Identifier: GPL-3.0-or-later
// The eight Ba Zhai houses: for the house of each palace, the eight directions (south at the top,
// east on the left) with the sector that lies there, auspicious sectors on a warm ground and
// inauspicious ones on a cold one. The middle stays empty: the Ba Zhai window puts the house's
// trigram there.

#include <QFontMetricsF>
#include <QPainter>

#include "lore.h"
#include "pictures.h"

namespace art {

namespace {

constexpr int kSize = 436;
constexpr double kOuter = 206;
constexpr double kInner = 48;

const QColor kGoodGround(252, 234, 196);
const QColor kBadGround(214, 219, 230);
const QColor kGoodInk(150, 20, 0);
const QColor kBadInk(35, 40, 70);

int sectorInDirection(int palace, int azimuth) {
    for (int s = 0; s < 8; ++s) {
        if (baZhaiDirection(palace, s) == azimuth) return s;
    }
    return 0;  // the table gives every house all eight directions
}

void drawWedge(QPainter& painter, const Dial& dial, int palace, int azimuth) {
    const BaZhaiSector& sector = baZhaiSectors()[sectorInDirection(palace, azimuth)];
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(sector.auspicious ? kGoodGround : kBadGround);
    painter.drawPath(dial.sector(kInner, kOuter, azimuth - 22.5, azimuth + 22.5));

    painter.setPen(QColor(60, 60, 60));
    painter.setFont(textFont(14, true));
    drawLabel(painter, dial.point(193, azimuth), directionCaption(azimuth));

    const QColor ink = sector.auspicious ? kGoodInk : kBadInk;
    drawStack(painter, dial.point(138, azimuth),
              {StackItem::label(textFont(14, true), ink, sector.name, 19),
               StackItem::hanzi(hanziFont(17), ink, sector.hanzi, 22),
               StackItem::label(textFont(11), ink, sector.meaning, 15)});

    // The trigram of the direction, bars over its name.
    const Trigram& trigram = trigramOfDirection(azimuth);
    const QColor dark(40, 40, 40);
    drawStack(painter, dial.point(74, azimuth),
              {StackItem::bars(trigram.lines, 24, dark, 24),
               StackItem::label(textFont(10), dark, trigram.name, 14)});
}

void drawLegend(QPainter& painter, int palace) {
    const Trigram& house = trigramOfPalace(palace);
    painter.setPen(QColor(30, 30, 30));
    painter.setFont(textFont(13, true));
    painter.drawText(QPointF(6, 18), QStringLiteral("Дворец %1").arg(house.name));
    painter.setFont(textFont(11));
    painter.drawText(QPointF(6, 34),
                     QStringLiteral("%1, %2").arg(palace).arg(elementName(house.element)));
    // Кань, Ли, Чжэнь and Сюнь make the eastern group of houses, the other four the western one.
    const bool eastern = palace == 1 || palace == 9 || palace == 3 || palace == 4;
    const QString group[2] = {eastern ? QStringLiteral("Восточная") : QStringLiteral("Западная"),
                              QStringLiteral("группа")};
    const QFontMetricsF metrics(painter.font());
    for (int i = 0; i < 2; ++i) {
        painter.drawText(QPointF(kSize - 6 - metrics.horizontalAdvance(group[i]), 18 + 16 * i),
                         group[i]);
    }

    painter.setFont(textFont(11));
    const struct {
        QColor ground;
        QString caption;
        int y;
    } rows[2] = {{kGoodGround, QStringLiteral("благоприятные"), 404},
                 {kBadGround, QStringLiteral("неблагоприятные"), 422}};
    for (const auto& row : rows) {
        painter.setPen(QColor(90, 90, 90));
        painter.setBrush(row.ground);
        painter.drawRect(QRectF(6.5, row.y - 10.5, 12, 12));
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QPointF(24, row.y), row.caption);
    }
}

QImage house(int palace) {
    QImage image = blankCanvas(kSize, kSize);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const Dial dial = Dial::southUp(QPointF(kSize / 2.0, kSize / 2.0));
    for (int azimuth = 0; azimuth < 360; azimuth += 45) {
        drawWedge(painter, dial, palace, azimuth);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 60, 60), 1.5));
    dial.drawCircle(painter, kOuter);
    dial.drawCircle(painter, kInner);
    drawLegend(painter, palace);
    return image;
}

}  // namespace

void drawBaZhaiHouses(Pictures& out) {
    for (int palace = 1; palace <= 9; ++palace) {
        if (palace == 5) continue;  // the centre is no house
        out.push_back({QStringLiteral("%1.bmp").arg(palace), house(palace)});
    }
}

}  // namespace art
