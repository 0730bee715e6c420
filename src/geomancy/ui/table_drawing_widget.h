// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Drawing of the geomantic table window, shared by its chart and gate grids: colours, cell
// frames, star digits and hints, and the small pictures drawn rather than loaded (the direction
// of each mountain in the mountain lists, the toolbar buttons, the flying Tai Sui markers).
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QRect>

class QEvent;
class QPainter;
class QWidget;

#include "geomancy/chart_colour.h"
#include "geomancy/compass.h"
#include "geomancy/ui/table_presentation.h"

// An engine colour on the screen; `fallback` for the window's default text colour.
QColor ScreenColour(Rgb colour);
QColor ScreenColour(const TextColour& colour, const QColor& fallback);

// A cell's frame of `frame.width` pixels, drawn inside the outline rectangle `r` (adjacent cells
// overlap by one pixel, so their plain outlines share a line).
void DrawCellFrame(QPainter& painter, const QRect& r, const Frame& frame);

// The digits of the stars: large for the chart and gate stars, small for the year, month and
// day stars (pixels).
constexpr int kLargeStarPixels = 31;
constexpr int kSmallStarPixels = 16;
QFont StarFont(const QFont& base, int pixels);

// A star's digit centred in `r` ("0" for a star not computed).
void DrawStarDigit(QPainter& painter, const QRect& r, int star);

// Answers a tooltip request of `control` with `hint` (no tip for an empty hint); returns true for
// a tooltip event, which is then handled.
bool ShowHint(QWidget& control, QEvent* event, const QString& hint);

// A small compass dial with a needle towards the mountain's centre azimuth (north up).
QIcon MountainIcon(MountainIndex mountain);

// The small button of a palace ("Комментарий"): three dots.
QIcon CommentButtonIcon();

enum class TableTool { Open, Save, Compute, Interpret, Compass };
QIcon TableToolIcon(TableTool tool);

// The flying Tai Sui markers (33 × 20): of the year ("Летящий Тай Суй по году") and of the
// month ("Темное установление").
constexpr int kFlyingTaiSuiWidth = 33;
constexpr int kFlyingTaiSuiHeight = 20;
QPixmap FlyingTaiSuiPicture(bool ofYear);
