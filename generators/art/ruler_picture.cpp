// SPDX-License-Identifier: GPL-3.0-or-later
// The geomantic ruler: 432 millimetres at one pixel per millimetre, in 32 segments of 13 or 14
// millimetres. The segments go in eight groups of four: wealth, illness, parting, justice, office,
// robbery, harm, origin. Wealth and origin at the ends and justice and office in the middle are
// fortunate (green), the other four groups unfortunate (grey). Each group carries its character;
// millimetre ticks run along the bottom.

#include <QPainter>

#include "pictures.h"

namespace art {

namespace {

constexpr int kLength = 432;
constexpr int kHeight = 20;

struct Segment {
    int last;  // last millimetre of the segment
    bool fortunate;
};

// Upper bounds of the 32 segments in millimetres, and their fortune.
constexpr Segment kSegments[32] = {
    {13, true},   {27, true},   {40, true},   {54, true},    // wealth
    {68, false},  {81, false},  {95, false},  {108, false},  // illness
    {122, false}, {135, false}, {149, false}, {162, false},  // parting
    {175, true},  {189, true},  {202, true},  {215, true},   // justice
    {229, true},  {243, true},  {256, true},  {270, true},   // office
    {284, false}, {297, false}, {311, false}, {324, false},  // robbery
    {338, false}, {351, false}, {365, false}, {378, false},  // harm
    {392, true},  {405, true},  {419, true},  {432, true},   // origin
};

const QString kGroupHanzi[8] = {
    QStringLiteral("财"), QStringLiteral("病"), QStringLiteral("离"), QStringLiteral("义"),
    QStringLiteral("官"), QStringLiteral("劫"), QStringLiteral("害"), QStringLiteral("本"),
};

const QColor kFortunate(150, 214, 140);
const QColor kUnfortunate(190, 190, 190);

}  // namespace

void drawRuler(Pictures& out) {
    QImage image = blankCanvas(kLength, kHeight);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    // Millimetre n is the pixel column n - 1.
    int first = 1;
    for (int i = 0; i < 32; ++i) {
        const Segment& s = kSegments[i];
        painter.fillRect(first - 1, 0, s.last - first + 1, kHeight,
                         s.fortunate ? kFortunate : kUnfortunate);
        // A line opens every segment, a dark one every group of four.
        if (i > 0) {
            painter.fillRect(first - 1, 0, 1, kHeight,
                             i % 4 == 0 ? QColor(30, 30, 30) : QColor(110, 110, 110));
        }
        first = s.last + 1;
    }
    // The character of each group in its middle, on a patch of the group's colour.
    painter.setFont(hanziFont(12));
    painter.setPen(QColor(20, 20, 20));
    for (int g = 0; g < 8; ++g) {
        const Segment& second = kSegments[4 * g + 1];
        const QPointF middle(second.last, 8);
        painter.fillRect(QRectF(middle.x() - 7, 1, 14, 14),
                         second.fortunate ? kFortunate : kUnfortunate);
        drawHanzi(painter, middle, kGroupHanzi[g]);
    }
    // Millimetre scale along the bottom: every 10 mm a short tick, every 50 mm a longer one.
    for (int mm = 10; mm < kLength; mm += 10) {
        const int length = mm % 50 == 0 ? 5 : 3;
        painter.fillRect(mm - 1, kHeight - length, 1, length, QColor(40, 40, 40));
    }
    painter.end();
    out.push_back({QStringLiteral("line.bmp"), image});
}

}  // namespace art
