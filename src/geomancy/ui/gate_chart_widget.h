// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One gate chart of the geomantic table window: a 3 × 3 grid laid out like the main chart, each
// cell a large digit coloured by its timeliness, the gate palace's cell outlined. It paints the
// window's table as its presentation shows it.
#include <QWidget>

#include "geomancy/ui/table_presentation.h"

class TFhGate : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellSize = 50;
    static constexpr int kSize = 3 * kCellSize + 1;

    // `which`: 0 the main gate ("Основные врата:"), 1 the additional gate.
    TFhGate(const TablePresentation& presentation, int which, QWidget* parent = nullptr);

    static QRect CellRect(PalaceIndex palace);
    // The phase of the star at a point; "" where nothing is shown.
    QString HintAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    const GateChart& Gate() const { return shown_.Table().gates[which_]; }

    const TablePresentation& shown_;
    int which_;
};
