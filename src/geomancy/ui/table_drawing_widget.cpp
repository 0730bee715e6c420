// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/table_drawing_widget.h"

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QtMath>
#include <cmath>

namespace {

constexpr int kIconSize = 20;

QPixmap BlankPicture(int width, int height) {
    QPixmap picture(width, height);
    picture.fill(Qt::transparent);
    return picture;
}

}  // namespace

QColor ScreenColour(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

QColor ScreenColour(const TextColour& colour, const QColor& fallback) {
    return colour ? ScreenColour(*colour) : fallback;
}

void DrawCellFrame(QPainter& painter, const QRect& r, const Frame& frame) {
    const QColor colour = ScreenColour(frame.colour);
    if (frame.width <= 1) {
        painter.setPen(QPen(colour, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(0, 0, -1, -1));
        return;
    }
    const int w = frame.width;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
}

QFont StarFont(const QFont& base, int pixels) {
    QFont f = base;
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

void DrawStarDigit(QPainter& painter, const QRect& r, int star) {
    painter.drawText(r, Qt::AlignCenter,
                     star >= 1 && star <= 9 ? QString::number(star) : QStringLiteral("0"));
}

bool ShowHint(QWidget& control, QEvent* event, const QString& hint) {
    if (event->type() != QEvent::ToolTip) return false;
    if (hint.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint, &control);
    }
    return true;
}

QIcon MountainIcon(MountainIndex mountain) {
    constexpr int kSize = 16;
    QPixmap picture = BlankPicture(kSize, kSize);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kSize / 2.0, kSize / 2.0);
    const double radius = kSize / 2.0 - 1.5;
    p.setPen(QPen(QColor(110, 110, 110), 1));
    p.setBrush(QColor(250, 246, 232));
    p.drawEllipse(centre, radius, radius);
    // North up, east right: azimuth a points to (sin a, −cos a).
    const double a = qDegreesToRadians(static_cast<double>(MountainCentre(mountain)));
    const QPointF tip = centre + QPointF(std::sin(a), -std::cos(a)) * (radius - 0.5);
    p.setPen(QPen(QColor(190, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(centre, 1.5, 1.5);
    return QIcon(picture);
}

QIcon CommentButtonIcon() {
    QPixmap picture = BlankPicture(12, 6);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 60, 60));
    for (int x : {2, 6, 10}) p.drawEllipse(QPointF(x, 3), 1.2, 1.2);
    return QIcon(picture);
}

QIcon TableToolIcon(TableTool tool) {
    QPixmap picture = BlankPicture(kIconSize, kIconSize);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(50, 50, 50);
    switch (tool) {
        case TableTool::Open: {
            // A folder.
            p.setPen(QPen(QColor(150, 110, 20), 1));
            p.setBrush(QColor(240, 200, 90));
            QPainterPath folder;
            folder.moveTo(2, 5);
            folder.lineTo(8, 5);
            folder.lineTo(10, 7);
            folder.lineTo(18, 7);
            folder.lineTo(18, 16);
            folder.lineTo(2, 16);
            folder.closeSubpath();
            p.drawPath(folder);
            p.setBrush(QColor(250, 225, 140));
            p.drawRect(QRectF(2.5, 9.5, 15, 6.5));
            break;
        }
        case TableTool::Save: {
            // A diskette.
            p.setPen(QPen(QColor(30, 60, 120), 1));
            p.setBrush(QColor(70, 110, 190));
            p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1.5, 1.5);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(5.5, 2.5, 9, 6));
            p.setBrush(QColor(200, 200, 210));
            p.drawRect(QRectF(5.5, 11.5, 9, 6));
            break;
        }
        case TableTool::Compute: {
            // The nine palaces.
            p.setPen(QPen(ink, 1));
            p.setBrush(Qt::white);
            for (int row = 0; row < 3; ++row)
                for (int column = 0; column < 3; ++column)
                    p.drawRect(QRectF(2.5 + 5 * column, 2.5 + 5 * row, 5, 5));
            p.fillRect(QRectF(8, 8, 4, 4), QColor(0, 128, 255));
            break;
        }
        case TableTool::Interpret: {
            // A written page.
            p.setPen(QPen(ink, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4.5, 2.5, 11, 15));
            p.setPen(QPen(QColor(0, 128, 0), 1));
            p.drawLine(QPointF(6.5, 5.5), QPointF(13.5, 5.5));
            p.setPen(QPen(ink, 1));
            for (int y : {8, 10, 12, 14}) p.drawLine(QPointF(6.5, y + 0.5), QPointF(13.5, y + 0.5));
            break;
        }
        case TableTool::Compass: {
            // A compass dial with the facing needle.
            p.setPen(QPen(QColor(120, 80, 20), 1.5));
            p.setBrush(QColor(245, 225, 170));
            p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
            p.setPen(QPen(QColor(200, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 10), QPointF(10, 3.5));
            p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(10, 10), QPointF(10, 16.5));
            break;
        }
    }
    return QIcon(picture);
}

QPixmap FlyingTaiSuiPicture(bool ofYear) {
    QPixmap picture = BlankPicture(kFlyingTaiSuiWidth, kFlyingTaiSuiHeight);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // The year's marker in warm gold, the month's in slate grey: "ТС" and "ТУ".
    const QColor fill = ofYear ? QColor(214, 150, 20) : QColor(90, 100, 120);
    p.setPen(QPen(fill.darker(140), 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 2.5, kFlyingTaiSuiWidth - 1, kFlyingTaiSuiHeight - 5), 4, 4);
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, kFlyingTaiSuiWidth, kFlyingTaiSuiHeight), Qt::AlignCenter,
               QString::fromUtf8(ofYear ? "ТС" : "ТУ"));
    return picture;
}
