// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the next of a series of windows opens: each one 20 pixels right of and below the previous,
// starting again at the first place when the next would come too close to the bottom of the
// screen. The text viewers share one cascade; the report windows keep their own.
#include <QPoint>

// How far right of and below the previous window the next one of a series opens.
inline constexpr int kCascadeStep = 20;

class WindowCascade {
public:
    explicit WindowCascade(QPoint first) : first_(first) {}

    // The place of the next window of height `windowHeight` on a screen `screenHeight` high.
    QPoint NextPlace(int screenHeight, int windowHeight);
    void Reset() { offset_ = 0; }

private:
    QPoint first_;
    int offset_ = 0;
};

// The cascade of the text viewers ("Инфо"), starting at (10, 106).
WindowCascade& TextViewerCascade();
