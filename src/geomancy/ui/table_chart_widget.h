// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chart of the geomantic table window: the nine palaces (south at the top) with their
// mountain, facing and base stars and the year, month and day stars, the compass captions, the
// Tai Sui markers, the Three Killings bars, the flying Tai Sui pictures and a "Комментарий" button
// in every palace. It paints the window's table as its presentation shows it and computes nothing.
#include <QWidget>
#include <array>

#include "geomancy/time_stars.h"
#include "geomancy/ui/table_presentation.h"

class QToolButton;

// The digits of a palace.
enum class ChartCell { Mountain, Facing, Base, Year, Month, Day };

class TFhChart : public QWidget {
    Q_OBJECT
public:
    // Paints the presented table; `presentation` must outlive the control. Call Refresh after
    // either changes.
    explicit TFhChart(const TablePresentation& presentation, QWidget* parent = nullptr);

    // Repaints and shows or hides the palace buttons with the chart cells.
    void Refresh();

    // Geometry, in the control's coordinates.
    static constexpr int kPalaceSize = 100;
    static constexpr int kMargin = 46;  // room for the captions, markers and bars on each side
    static constexpr int kSize = 3 * kPalaceSize + 2 * kMargin + 1;
    static QRect PalaceRect(PalaceIndex palace);
    static QRect CellRect(PalaceIndex palace, ChartCell cell);
    static QRect FlyingTaiSuiRect(PalaceIndex palace, bool ofYear);
    static QRect TaiSuiMarkerRect(Branch branch);
    static QRect CompassCaptionRect(GridEdge edge, int position);
    // The year's bar (outlined) and, inside it, the season's bar (filled).
    static QRect KillingsBarRect(KillingsDirection side, bool ofYear);

    // The hint shown at a point: the phase of a star, a branch, a bar, a flying Tai Sui; "" for
    // none. Only what is shown has a hint.
    QString HintAt(const QPoint& point) const;

    QToolButton* PalaceButton(PalaceIndex palace) const { return buttons_[palace]; }

signals:
    // A palace's "Комментарий" button was clicked.
    void commentClicked(PalaceIndex palace);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    const TablePresentation& shown_;
    std::array<QToolButton*, kPalaceCount> buttons_{};
};
