// SPDX-License-Identifier: GPL-3.0-or-later
// The ecliptic circle of the circle window. Longitude 0 (the spring equinox) lies on the left,
// 90 at the top, 180 on the right, 270 at the bottom: the directions in which the window draws the
// Sun's radius, and the places of its 24 term-date labels around the picture. Every division of
// 15 degrees is a solar term; between every other pair lies a solar month with its branch.

#include <QPainter>

#include "lore.h"
#include "pictures.h"

namespace art {

namespace {

constexpr int kSize = 426;
// The date labels of the window reach to about 170 pixels from the centre on the left, so the
// drawing stays inside that radius.
constexpr double kOuter = 162;      // the ecliptic itself
constexpr double kTickEnd = 169;    // outer end of the division ticks
constexpr double kTermInner = 124;  // the ring of term names
constexpr double kMonthInner = 84;  // the ring of month branches; the seasons inside it
constexpr double kTermStep = 15;

// The four seasons of the Chinese year, each centred on an equinox or a solstice.
struct Season {
    QString name;
    Element element;
};
const Season& seasonAt(double longitude) {
    static const Season seasons[4] = {
        {QStringLiteral("Весна"), Element::Wood},
        {QStringLiteral("Лето"), Element::Fire},
        {QStringLiteral("Осень"), Element::Metal},
        {QStringLiteral("Зима"), Element::Water},
    };
    const int quarter = static_cast<int>((longitude + 45) / 90) % 4;
    return seasons[quarter];
}

// The month whose middle is the term of an even index: Мао at the spring equinox.
const Sign& monthBranchAt(int evenTerm) {
    return branches()[(evenTerm / 2 + 3) % 12];
}

void drawSeasons(QPainter& painter, const Dial& dial) {
    painter.setPen(Qt::NoPen);
    for (int q = 0; q < 4; ++q) {
        const double middle = 90.0 * q;
        painter.setBrush(tint(elementWash(seasonAt(middle).element), 0.6));
        painter.drawPath(dial.sector(0, kMonthInner, middle - 45, middle + 45));
    }
    painter.setPen(QColor(60, 60, 60));
    painter.setFont(textFont(12, true));
    for (int q = 0; q < 4; ++q) {
        drawLabel(painter, dial.point(50, 90.0 * q), seasonAt(90.0 * q).name);
    }
}

void drawMonths(QPainter& painter, const Dial& dial) {
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < 24; k += 2) {
        const double middle = kTermStep * k;
        painter.setBrush(elementWash(seasonAt(middle).element));
        painter.drawPath(
            dial.sector(kMonthInner, kTermInner, middle - kTermStep, middle + kTermStep));
    }
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(Qt::NoBrush);
    for (int k = 1; k < 24; k += 2) {
        dial.drawRadius(painter, kMonthInner, kTermInner, kTermStep * k);
    }
    painter.setFont(hanziFont(17, true));
    for (int k = 0; k < 24; k += 2) {
        painter.setPen(elementInk(monthBranchAt(k).element));
        drawHanzi(painter, dial.point((kMonthInner + kTermInner) / 2, kTermStep * k),
                  monthBranchAt(k).hanzi);
    }
}

void drawTerms(QPainter& painter, const Dial& dial) {
    for (int k = 0; k < 24; ++k) {
        const bool cardinal = k % 6 == 0;
        painter.setPen(
            QPen(cardinal ? QColor(40, 40, 40) : QColor(150, 150, 150), cardinal ? 2 : 1));
        dial.drawRadius(painter, kTermInner, kTickEnd, kTermStep * k);
    }
    painter.setFont(hanziFont(12));
    for (int k = 0; k < 24; ++k) {
        painter.setPen(k % 6 == 0 ? QColor(150, 0, 0) : QColor(30, 30, 30));
        drawLabelOnBox(painter, dial.point((kTermInner + kOuter) / 2, kTermStep * k),
                       termHanzi()[k], Qt::white, true);
    }
    // The Sun's place at each term, on the ecliptic.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 110, 0));
    for (int k = 0; k < 24; ++k) {
        painter.drawEllipse(dial.point(kOuter, kTermStep * k), 2.5, 2.5);
    }
}

}  // namespace

void drawEclipticCircle(Pictures& out) {
    QImage image = blankCanvas(kSize, kSize);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const Dial dial = Dial::ecliptic(QPointF(kSize / 2.0, kSize / 2.0));

    drawSeasons(painter, dial);
    drawMonths(painter, dial);
    drawTerms(painter, dial);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    dial.drawCircle(painter, kMonthInner);
    dial.drawCircle(painter, kTermInner);
    painter.setPen(QPen(QColor(0, 110, 0), 2));
    dial.drawCircle(painter, kOuter);

    // The Earth at the centre, where the Sun's radius starts.
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(QColor(70, 110, 200));
    painter.drawEllipse(dial.centre(), 5, 5);

    painter.end();
    out.push_back({QStringLiteral("diag.bmp"), image});
}

}  // namespace art
