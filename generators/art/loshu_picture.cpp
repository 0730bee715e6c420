// SPDX-License-Identifier: GPL-3.0-or-later
// The Lo Shu square, south at the top as the flying-star charts are drawn: 4 9 2 / 3 5 7 / 8 1 6,
// each palace with its number, trigram and element; every row, column and diagonal sums to 15.

#include <QPainter>

#include "lore.h"
#include "pictures.h"

namespace art {

namespace {

constexpr int kSize = 320;
constexpr int kMargin = 28;
constexpr int kCell = 88;

// Palaces by screen row and column, south at the top, east on the left.
constexpr int kLayout[3][3] = {{4, 9, 2}, {3, 5, 7}, {8, 1, 6}};
const char* const kCompass[3][3] = {{"ЮВ", "Ю", "ЮЗ"}, {"В", "", "З"}, {"СВ", "С", "СЗ"}};

void drawPalace(QPainter& painter, const QRectF& cell, int palace) {
    const bool centre = palace == 5;
    const Element element = centre ? Element::Earth : trigramOfPalace(palace).element;
    painter.setPen(Qt::NoPen);
    painter.setBrush(elementWash(element));
    painter.drawRect(cell);

    const QPointF middle = cell.center();
    painter.setPen(elementInk(element).darker(120));
    painter.setFont(textFont(38, true));
    drawLabel(painter, middle + QPointF(0, -12), QString::number(palace));

    painter.setPen(QColor(40, 40, 40));
    painter.setFont(textFont(11));
    if (centre) {
        painter.setFont(hanziFont(18));
        drawHanzi(painter, middle + QPointF(0, 18), QStringLiteral("中"));
        painter.setFont(textFont(11));
        drawLabel(painter, middle + QPointF(0, 36), QStringLiteral("Центр"));
        return;
    }
    const Trigram& trigram = trigramOfPalace(palace);
    drawTrigram(painter, middle + QPointF(0, 17), 26, trigram.lines, QColor(40, 40, 40));
    drawLabel(painter, middle + QPointF(0, 36), trigram.name);
}

}  // namespace

void drawLoShuSquare(Pictures& out) {
    QImage image = blankCanvas(kSize, kSize);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);

    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            drawPalace(painter, QRectF(kMargin + col * kCell, kMargin + row * kCell, kCell, kCell),
                       kLayout[row][col]);
        }
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(70, 70, 70), 1));
    for (int i = 1; i < 3; ++i) {
        painter.drawLine(QPointF(kMargin + i * kCell, kMargin),
                         QPointF(kMargin + i * kCell, kMargin + 3 * kCell));
        painter.drawLine(QPointF(kMargin, kMargin + i * kCell),
                         QPointF(kMargin + 3 * kCell, kMargin + i * kCell));
    }
    painter.setPen(QPen(QColor(40, 40, 40), 2));
    painter.drawRect(QRectF(kMargin, kMargin, 3 * kCell, 3 * kCell));

    // Compass captions around the square: sides in the middle, corners at the corners.
    painter.setPen(QColor(110, 110, 110));
    painter.setFont(textFont(13, true));
    const double edge[3] = {kMargin / 2.0, kSize / 2.0, kSize - kMargin / 2.0};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            drawLabel(painter, QPointF(edge[col], edge[row]),
                      QString::fromUtf8(kCompass[row][col]));
        }
    }
    painter.end();
    out.push_back({QStringLiteral("diag1.bmp"), image});
}

}  // namespace art
