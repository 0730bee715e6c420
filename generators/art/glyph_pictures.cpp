// SPDX-License-Identifier: GPL-3.0-or-later
// The stem and branch characters: the 20-pixel glyphs every pillar is drawn with, and the two
// glyph columns of the stems-and-branches tables, one character per 31-pixel table row.

#include <QPainter>

#include "lore.h"
#include "pictures.h"

namespace art {

namespace {

constexpr int kGlyphSize = 20;
constexpr int kRowHeight = 31;

QImage glyph(const Sign& sign) {
    QImage image = blankCanvas(kGlyphSize, kGlyphSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(hanziFont(18, true));
    painter.setPen(elementInk(sign.element));
    drawHanzi(painter, QPointF(kGlyphSize / 2.0, kGlyphSize / 2.0), sign.hanzi);
    return image;
}

template <std::size_t N>
QImage column(const std::array<Sign, N>& signs) {
    QImage image = blankCanvas(kRowHeight, kRowHeight * static_cast<int>(N));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(hanziFont(24, true));
    for (std::size_t i = 0; i < N; ++i) {
        painter.setPen(elementInk(signs[i].element));
        drawHanzi(painter, QPointF(kRowHeight / 2.0, kRowHeight * (i + 0.5)), signs[i].hanzi);
    }
    return image;
}

}  // namespace

void drawSignGlyphs(Pictures& out) {
    for (std::size_t i = 0; i < stems().size(); ++i) {
        out.push_back({QStringLiteral("stvol%1.bmp").arg(i + 1), glyph(stems()[i])});
    }
    for (std::size_t i = 0; i < branches().size(); ++i) {
        out.push_back({QStringLiteral("vetv%1.bmp").arg(i + 1), glyph(branches()[i])});
    }
    out.push_back({QStringLiteral("gan.bmp"), column(stems())});
    out.push_back({QStringLiteral("zhu.bmp"), column(branches())});
}

}  // namespace art
