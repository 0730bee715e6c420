// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/window_cascade.h"

QPoint WindowCascade::NextPlace(int screenHeight, int windowHeight) {
    constexpr int kStep = kCascadeStep;
    constexpr int kBottomMargin = 50;
    QPoint place = first_ + QPoint(offset_, offset_);
    offset_ += kStep;
    if (screenHeight - windowHeight - kBottomMargin < place.y()) {
        offset_ = kStep;
        place = first_;
    }
    return place;
}

WindowCascade& TextViewerCascade() {
    static WindowCascade cascade(QPoint(10, 106));
    return cascade;
}
