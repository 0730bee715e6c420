// SPDX-License-Identifier: GPL-3.0-or-later
// The icons of the desktop: the program (a compass dial with the eight trigrams around the taiji)
// and its two file types, a person (four pillars of two signs on a sheet) and a geomantic table
// (the Lo Shu square on a sheet). Each is drawn at every size of the hicolor theme, not scaled from
// one picture, so that the small ones stay sharp; the smallest leave out what would only blur.

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

#include "lore.h"
#include "pictures.h"

namespace art {

namespace {

// Every icon is drawn on a 256-unit square and scaled to its size.
constexpr double kUnits = 256.0;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

const QColor kLacquer(150, 30, 25);
const QColor kGold(218, 165, 32);
const QColor kParchment(250, 241, 218);
const QColor kInk(35, 30, 30);

QImage transparentCanvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A pen of `units` wide, never thinner than one pixel of the icon.
QPen unitPen(const QColor& colour, double units, int size) {
    QPen pen(colour, std::max(units, kUnits / size));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// The taiji: yang light, yin dark, each with its seed of the other.
void drawTaiji(QPainter& painter, QPointF centre, double r, int size) {
    const QPainterPath yin = taijiYinPath(centre, r);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, r, r);
    painter.setBrush(kInk);
    painter.drawPath(yin);
    if (size >= 32) {
        painter.drawEllipse(centre + QPointF(0, r / 2), r / 7, r / 7);
        painter.setBrush(Qt::white);
        painter.drawEllipse(centre + QPointF(0, -r / 2), r / 7, r / 7);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(unitPen(kInk, 3, size));
    painter.drawEllipse(centre, r, r);
}

QImage programIcon(int size) {
    QImage image = transparentCanvas(size);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    const QPointF centre(128, 128);

    painter.setPen(Qt::NoPen);
    painter.setBrush(kLacquer);
    painter.drawEllipse(centre, 124, 124);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(unitPen(kGold, 7, size));
    painter.drawEllipse(centre, 112, 112);

    if (size < 48) {
        drawTaiji(painter, centre, 84, size);
        return image;
    }
    // The trigrams of the Later Heaven arrangement, south at the top as on a compass dial, each
    // turned with its bottom line toward the centre.
    for (const Trigram& trigram : trigrams()) {
        painter.save();
        painter.translate(centre);
        painter.rotate(180.0 + trigram.azimuth);
        painter.translate(0, -80);
        drawTrigram(painter, QPointF(0, 0), 36, trigram.lines, kGold);
        painter.restore();
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(kParchment);
    painter.drawEllipse(centre, 56, 56);
    drawTaiji(painter, centre, 48, size);
    return image;
}

// A sheet with a folded corner; returns the area left for the picture on it.
QRectF drawSheet(QPainter& painter, int size) {
    const double left = 36, top = 12, right = 220, bottom = 244, fold = 52;
    QPainterPath sheet;
    sheet.moveTo(left, top);
    sheet.lineTo(right - fold, top);
    sheet.lineTo(right, top + fold);
    sheet.lineTo(right, bottom);
    sheet.lineTo(left, bottom);
    sheet.closeSubpath();
    painter.setPen(unitPen(QColor(110, 110, 110), 6, size));
    painter.setBrush(Qt::white);
    painter.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    painter.setBrush(QColor(225, 225, 225));
    painter.drawPath(corner);
    // A lacquer band across the top, the program's colour.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLacquer);
    painter.drawRect(QRectF(left + 3, top + fold + 6, right - left - 6, 18));
    return QRectF(left + 18, top + fold + 36, right - left - 36, bottom - top - fold - 52);
}

// A person: the four pillars of year, month, day and hour, each a stem above a branch.
QImage personIcon(int size) {
    QImage image = transparentCanvas(size);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing);
    painter.scale(size / kUnits, size / kUnits);
    const QRectF area = drawSheet(painter, size);
    const Element top[4] = {Element::Wood, Element::Fire, Element::Earth, Element::Water};
    const Element bottom[4] = {Element::Fire, Element::Earth, Element::Metal, Element::Wood};
    const double gap = 8;
    const double w = (area.width() - 3 * gap) / 4;
    const double h = (area.height() - gap) / 2;
    painter.setPen(unitPen(QColor(90, 90, 90), 3, size));
    for (int i = 0; i < 4; ++i) {
        const double x = area.left() + i * (w + gap);
        painter.setBrush(elementPaint(top[i]));
        painter.drawRect(QRectF(x, area.top(), w, h));
        painter.setBrush(elementPaint(bottom[i]));
        painter.drawRect(QRectF(x, area.top() + h + gap, w, h));
    }
    return image;
}

// A geomantic table: the Lo Shu square, south at the top, its palaces in their elements' colours
// and, where there is room, their numbers.
QImage tableIcon(int size) {
    QImage image = transparentCanvas(size);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(size / kUnits, size / kUnits);
    const QRectF area = drawSheet(painter, size);
    constexpr int kLayout[3][3] = {{4, 9, 2}, {3, 5, 7}, {8, 1, 6}};
    const double side = std::min(area.width(), area.height());
    const double cell = side / 3;
    const QPointF origin(area.center().x() - side / 2, area.center().y() - side / 2);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const int palace = kLayout[row][col];
            const Element element = palace == 5 ? Element::Earth : trigramOfPalace(palace).element;
            const QRectF box(origin.x() + col * cell, origin.y() + row * cell, cell, cell);
            painter.setPen(unitPen(QColor(90, 90, 90), 3, size));
            painter.setBrush(elementWash(element));
            painter.drawRect(box);
            if (size >= 48) {
                painter.setPen(elementInk(element).darker(130));
                painter.setFont(textFont(static_cast<int>(cell * 0.7), true));
                drawLabel(painter, box.center(), QString::number(palace));
            }
        }
    }
    return image;
}

}  // namespace

void drawIcons(Pictures& out) {
    for (int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/").arg(size);
        out.push_back({folder + QStringLiteral("apps/gavrosin.png"), programIcon(size)});
        out.push_back({folder + QStringLiteral("mimetypes/application-x-gavrosin-person.png"),
                       personIcon(size)});
        out.push_back({folder + QStringLiteral("mimetypes/application-x-gavrosin-table.png"),
                       tableIcon(size)});
    }
}

}  // namespace art
