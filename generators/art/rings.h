// SPDX-License-Identifier: GPL-3.0-or-later
// The rings that the compass and the mountains diagram share: the 24 mountains and the eight
// trigrams of the Later Heaven arrangement, drawn on any dial.
#pragma once

#include <QColor>

#include "canvas.h"
#include "lore.h"

class QPainter;

namespace art {

// Grounds that tell the three kinds of mountain apart: stems, branches and trigrams.
QColor mountainGround(MountainKind kind);
QString mountainKindCaption(MountainKind kind);  // "Небесные стволы", ...

struct RingLayout {
    double inner;
    double outer;
    int hanziSize;  // pixel size of the Chinese characters
    int textSize;   // pixel size of the Russian names
};

// 24 cells of 15 degrees, Chinese character outside, Russian name inside; the borders of the
// eight 45-degree sectors are drawn heavier.
void drawMountainRing(QPainter& painter, const Dial& dial, const RingLayout& layout);

// Eight cells of 45 degrees with the trigram's bars, name and (if hanziSize > 0) character.
void drawTrigramRing(QPainter& painter, const Dial& dial, const RingLayout& layout, int barWidth);

}  // namespace art
