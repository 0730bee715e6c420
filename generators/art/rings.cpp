// SPDX-License-Identifier: GPL-3.0-or-later
#include "rings.h"

#include <QPainter>

namespace art {

namespace {

const QColor kRule(90, 90, 90);
const QColor kHeavyRule(40, 40, 40);

}  // namespace

QColor mountainGround(MountainKind kind) {
    switch (kind) {
        case MountainKind::Stem: return QColor(255, 246, 214);
        case MountainKind::Branch: return QColor(222, 234, 250);
        case MountainKind::Trigram: return QColor(224, 242, 218);
    }
    return Qt::white;
}

QString mountainKindCaption(MountainKind kind) {
    switch (kind) {
        case MountainKind::Stem: return QStringLiteral("Небесные стволы");
        case MountainKind::Branch: return QStringLiteral("Земные ветви");
        case MountainKind::Trigram: return QStringLiteral("Триграммы");
    }
    return QString();
}

void drawMountainRing(QPainter& painter, const Dial& dial, const RingLayout& layout) {
    const double depth = layout.outer - layout.inner;
    for (const Mountain& m : mountains()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(mountainGround(m.kind));
        painter.drawPath(
            dial.sector(layout.inner, layout.outer, m.centreAzimuth - 7.5, m.centreAzimuth + 7.5));
    }
    for (int i = 0; i < 24; ++i) {
        const double border = 7.5 + 15 * i;
        const bool sectorBorder = i % 3 == 1;  // 22.5, 67.5, ...
        painter.setPen(QPen(sectorBorder ? kHeavyRule : kRule, sectorBorder ? 1.5 : 1));
        dial.drawRadius(painter, layout.inner, layout.outer, border);
    }
    for (const Mountain& m : mountains()) {
        drawStack(painter, dial.point(layout.inner + depth / 2, m.centreAzimuth),
                  {StackItem::hanzi(hanziSerifFont(layout.hanziSize, true), elementInk(m.element),
                                    m.hanzi, layout.hanziSize * 1.1),
                   StackItem::label(textFont(layout.textSize), QColor(40, 40, 40), m.name,
                                    layout.textSize * 1.3)});
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kHeavyRule, 1.5));
    dial.drawCircle(painter, layout.inner);
    dial.drawCircle(painter, layout.outer);
}

void drawTrigramRing(QPainter& painter, const Dial& dial, const RingLayout& layout, int barWidth) {
    const double depth = layout.outer - layout.inner;
    const bool withHanzi = layout.hanziSize > 0;
    for (const Trigram& t : trigrams()) {
        painter.setPen(QPen(kHeavyRule, 1.5));
        painter.setBrush(elementWash(t.element));
        painter.drawPath(
            dial.sector(layout.inner, layout.outer, t.azimuth - 22.5, t.azimuth + 22.5));
        const QColor dark(30, 30, 30);
        std::vector<StackItem> block = {
            StackItem::bars(t.lines, barWidth, dark, barWidth * 0.8 + 6),
            StackItem::label(textFont(layout.textSize, true), dark, t.name, layout.textSize * 1.4)};
        if (withHanzi) {
            block.push_back(StackItem::hanzi(hanziSerifFont(layout.hanziSize, true),
                                             elementInk(t.element), t.hanzi,
                                             layout.hanziSize * 1.15));
        }
        drawStack(painter, dial.point(layout.inner + depth / 2, t.azimuth), block);
    }
}

}  // namespace art
