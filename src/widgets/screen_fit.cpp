// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The title bar and borders of a window the window manager has not framed yet.
constexpr int kAssumedTitleBar = 30;
constexpr int kAssumedBorder = 4;

}  // namespace

QRect FittedFrame(const QRect& frame, const QRect& available) {
    QRect r = frame;
    r.setWidth(std::min(r.width(), available.width()));
    r.setHeight(std::min(r.height(), available.height()));
    r.moveLeft(std::clamp(r.left(), available.left(), available.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), available.top(), available.bottom() - r.height() + 1));
    return r;
}

void KeepOnScreen(QWidget& window) {
    KeepWithin(window, QRect());
}

void KeepWithin(QWidget& window, const QRect& area) {
    QRect available = area;
    if (available.isEmpty()) {
        const QScreen* screen =
            window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (!screen) return;
        available = screen->availableGeometry();
    }
    const QRect client = window.geometry();
    QRect frame = window.frameGeometry();
    if (frame == client || !window.isVisible())
        frame = client.adjusted(-kAssumedBorder, -kAssumedTitleBar, kAssumedBorder, kAssumedBorder);
    const QRect fitted = FittedFrame(frame, available);
    if (fitted == frame) return;
    const QMargins edges(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect inside = fitted.marginsRemoved(edges);
    if (inside.size() != client.size())
        window.resize(inside.size().expandedTo(window.minimumSize()));
    window.move(inside.topLeft() - (client.topLeft() - window.pos()));
}

QSize LaidOutSize(const QWidget& window) {
    if (window.testAttribute(Qt::WA_Resized)) return window.size();
    return window.sizeHint().expandedTo(window.minimumSize()).boundedTo(window.maximumSize());
}
