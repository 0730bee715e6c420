// SPDX-License-Identifier: GPL-3.0-or-later
// The stems-and-branches diagram: the 24 mountains (eight stems, twelve branches and four
// trigrams) on a circle with the eight trigrams inside, south at the top and east on the left.
// The window writes the compass letters around the picture.

#include <QPainter>

#include "pictures.h"
#include "rings.h"

namespace art {

namespace {

constexpr int kSize = 400;

// The key to the grounds of the mountain ring, in the middle of the circle.
void drawKey(QPainter& painter, QPointF centre) {
    const MountainKind kinds[3] = {MountainKind::Stem, MountainKind::Branch, MountainKind::Trigram};
    painter.setFont(textFont(11));
    for (int i = 0; i < 3; ++i) {
        const double y = centre.y() + (i - 1) * 18;
        const QRectF square(centre.x() - 52.5, y - 5.5, 11, 11);
        painter.setPen(QColor(90, 90, 90));
        painter.setBrush(mountainGround(kinds[i]));
        painter.drawRect(square);
        painter.setPen(QColor(30, 30, 30));
        painter.drawText(QPointF(square.right() + 5, y + 4), mountainKindCaption(kinds[i]));
    }
}

}  // namespace

void drawMountainsDiagram(Pictures& out) {
    QImage image = blankCanvas(kSize, kSize);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const Dial dial = Dial::southUp(QPointF(kSize / 2.0, kSize / 2.0));

    drawMountainRing(painter, dial, {148, 196, 20, 11});
    drawTrigramRing(painter, dial, {84, 148, 14, 12}, 26);
    drawKey(painter, dial.centre());

    painter.end();
    out.push_back({QStringLiteral("diag3.bmp"), image});
}

}  // namespace art
