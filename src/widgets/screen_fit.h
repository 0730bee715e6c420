// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps windows on the part of the screen they can use (without the task bar), whatever size or
// position they were given: a default computed for another screen, or a geometry restored from a
// larger one.
#include <QRect>

class QWidget;

// `frame` (the window with its title bar) moved, and shrunk where it is larger, so that it lies
// inside `available`.
QRect FittedFrame(const QRect& frame, const QRect& available);

// Moves and, if it must, shrinks the window so that its frame lies on the available area of its
// screen. A window not yet shown is given the title bar of a shown one.
void KeepOnScreen(QWidget& window);
// The same within `available` (an empty rectangle: the available area of the window's screen).
void KeepWithin(QWidget& window, const QRect& available);

// The size a window will have once laid out: its own size once it was sized, else its size hint
// held within its minimum and maximum (a new window is 100×30 before its first layout).
QSize LaidOutSize(const QWidget& window);
