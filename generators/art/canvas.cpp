// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QRectF>
#include <QSet>

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace art {

namespace {

// Where the ideographic em box of a CJK font lies: from 0.12 em below the baseline to 0.88 em
// above it, so its middle is 0.38 em above the baseline.
constexpr double kHanziMiddleAboveBaseline = 0.38;

QFont makeFont(const QString& family, int pixelSize, bool bold) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    static QSet<QString> reported;
    if (!reported.contains(family)) {
        reported.insert(family);
        const QString found = QFontInfo(font).family();
        if (found.compare(family, Qt::CaseInsensitive) != 0) {
            const QString instead = found.isEmpty() ? QStringLiteral("no font at all")
                                                    : QStringLiteral("\"%1\" instead").arg(found);
            std::fprintf(stderr,
                         "artgen: font \"%s\" is not installed, drawing with %s (the Debian "
                         "packages fonts-noto-cjk and fonts-dejavu-core provide the right fonts)\n",
                         qPrintable(family), qPrintable(instead));
        }
    }
    return font;
}

}  // namespace

QImage blankCanvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QFont hanziFont(int pixelSize, bool bold) {
    return makeFont(QStringLiteral("Noto Sans CJK SC"), pixelSize, bold);
}

QFont hanziSerifFont(int pixelSize, bool bold) {
    return makeFont(QStringLiteral("Noto Serif CJK SC"), pixelSize, bold);
}

QFont textFont(int pixelSize, bool bold) {
    return makeFont(QStringLiteral("DejaVu Sans"), pixelSize, bold);
}

void drawLabel(QPainter& painter, QPointF centre, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    painter.drawText(QPointF(centre.x() - width / 2, centre.y() + metrics.capHeight() / 2), text);
}

void drawHanzi(QPainter& painter, QPointF centre, const QString& text) {
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    const double em = painter.font().pixelSize();
    painter.drawText(QPointF(centre.x() - width / 2, centre.y() + kHanziMiddleAboveBaseline * em),
                     text);
}

void drawLabelOnBox(QPainter& painter, QPointF centre, const QString& text, const QColor& box,
                    bool hanzi) {
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text) + 4;
    const double height = hanzi ? painter.font().pixelSize() + 2 : metrics.capHeight() + 6;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(box);
    painter.drawRect(QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height));
    painter.restore();
    if (hanzi) {
        drawHanzi(painter, centre, text);
    } else {
        drawLabel(painter, centre, text);
    }
}

StackItem StackItem::label(const QFont& font, const QColor& colour, const QString& text,
                           double height) {
    return {Kind::Text, font, colour, text, height};
}

StackItem StackItem::hanzi(const QFont& font, const QColor& colour, const QString& text,
                           double height) {
    return {Kind::Hanzi, font, colour, text, height};
}

StackItem StackItem::bars(int lines, int width, const QColor& colour, double height) {
    return {Kind::Bars, QFont(), colour, QString(), height, lines, width};
}

void drawStack(QPainter& painter, QPointF centre, const std::vector<StackItem>& items) {
    double total = 0;
    for (const StackItem& item : items) total += item.height;
    double top = centre.y() - total / 2;
    for (const StackItem& item : items) {
        const QPointF middle(centre.x(), top + item.height / 2);
        top += item.height;
        if (item.kind == StackItem::Kind::Bars) {
            drawTrigram(painter, middle, item.width, item.lines, item.colour);
            continue;
        }
        painter.setFont(item.font);
        painter.setPen(item.colour);
        if (item.kind == StackItem::Kind::Hanzi) {
            drawHanzi(painter, middle, item.text);
        } else {
            drawLabel(painter, middle, item.text);
        }
    }
}

void drawTrigram(QPainter& painter, QPointF centre, int width, int lines, const QColor& colour) {
    // Proportions of the program's own trigram control: bars and gaps of one fifth of the height,
    // the break of a yin line a fifth of the width. Whole pixels keep the bars crisp.
    const int bar = std::max(2, static_cast<int>(std::lround(width * 0.16)));
    int hole = std::max(2, static_cast<int>(std::lround(width * 0.2)));
    if ((width - hole) % 2 != 0) {
        ++hole;  // both halves of a broken line equally long
    }
    const int height = 5 * bar;
    const int left = static_cast<int>(std::lround(centre.x() - width / 2.0));
    const int top = static_cast<int>(std::lround(centre.y() - height / 2.0));
    const int half = (width - hole) / 2;
    for (int row = 0; row < 3; ++row) {
        const bool solid = (lines >> (2 - row)) & 1;
        const int y = top + row * 2 * bar;
        if (solid) {
            painter.fillRect(left, y, width, bar, colour);
        } else {
            painter.fillRect(left, y, half, bar, colour);
            painter.fillRect(left + width - half, y, half, bar, colour);
        }
    }
}

QColor tint(const QColor& colour, double strength) {
    auto mix = [strength](int c) {
        return static_cast<int>(std::lround(255 - (255 - c) * strength));
    };
    return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

Dial Dial::northUp(QPointF centre) {
    return Dial(centre, 90);
}
Dial Dial::southUp(QPointF centre) {
    return Dial(centre, -90);
}
Dial Dial::ecliptic(QPointF centre) {
    return Dial(centre, 180);
}

QPointF Dial::point(double radius, double degrees) const {
    const double a = qDegreesToRadians(screenAngle(degrees));
    return QPointF(centre_.x() + radius * std::cos(a), centre_.y() - radius * std::sin(a));
}

QPainterPath Dial::sector(double innerRadius, double outerRadius, double from, double to) const {
    const double span = to - from;
    auto box = [this](double r) { return QRectF(centre_.x() - r, centre_.y() - r, 2 * r, 2 * r); };
    QPainterPath path;
    path.moveTo(point(outerRadius, from));
    path.arcTo(box(outerRadius), screenAngle(from), -span);
    if (innerRadius > 0) {
        path.lineTo(point(innerRadius, to));
        path.arcTo(box(innerRadius), screenAngle(to), span);
    } else {
        path.lineTo(centre_);
    }
    path.closeSubpath();
    return path;
}

void Dial::drawCircle(QPainter& painter, double radius) const {
    painter.drawEllipse(centre_, radius, radius);
}

void Dial::drawRadius(QPainter& painter, double innerRadius, double outerRadius,
                      double degrees) const {
    painter.drawLine(point(innerRadius, degrees), point(outerRadius, degrees));
}

QPainterPath taijiYinPath(QPointF centre, double r) {
    QPainterPath yin;
    yin.moveTo(centre + QPointF(0, -r));
    yin.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), 90, 180);
    yin.arcTo(QRectF(centre.x() - r / 2, centre.y(), r, r), 270, -180);
    yin.arcTo(QRectF(centre.x() - r / 2, centre.y() - r, r, r), 270, 180);
    return yin;
}

}  // namespace art
