// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/ui/chinese_font.h"

#include <QStringList>

QFont ChineseFont(const QFont& base, double scale) {
    QFont font = base;
    // The caption's own family first, so Cyrillic keeps its look; the characters fall to the
    // CJK family.
    font.setFamilies({base.family(), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Droid Sans Fallback")});
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * scale);
    else
        font.setPixelSize(static_cast<int>(base.pixelSize() * scale + 0.5));
    return font;
}
