#pragma once
// One gate chart of the geomantic table window: a 3 × 3 grid laid out like the main chart, each
// cell a large digit coloured by its timeliness, the gate palace's cell outlined. It paints the
// window's GeomanticTable as it stands.
#include <QWidget>

#include "geomancy/geomantic_table.h"

class TFhGate : public QWidget {
    Q_OBJECT
public:
    static constexpr int kCellSize = 50;
    static constexpr int kSize = 3 * kCellSize + 1;

    // `which`: 0 the main gate ("Основные врата:"), 1 the additional gate.
    TFhGate(const GeomanticTable& table, int which, QWidget* parent = nullptr);

    static QRect CellRect(PalaceIndex palace);
    // The phase of the star at a point; "" where nothing is shown.
    QString HintAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    const GateChart& Gate() const { return table_.gates[which_]; }

    const GeomanticTable& table_;
    int which_;
};
