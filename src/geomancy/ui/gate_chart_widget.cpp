// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/gate_chart_widget.h"

#include <QHelpEvent>
#include <QPainter>

#include "geomancy/ui/chart_layout.h"
#include "geomancy/ui/table_drawing_widget.h"

TFhGate::TFhGate(const TablePresentation& presentation, int which, QWidget* parent)
    : QWidget(parent), shown_(presentation), which_(which) {
    setFixedSize(kSize, kSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TFhGate::CellRect(PalaceIndex palace) {
    const GridPlace place = PalaceGridPlace(palace);
    return QRect(place.column * kCellSize, place.row * kCellSize, kCellSize + 1, kCellSize + 1);
}

QString TFhGate::HintAt(const QPoint& point) const {
    if (!shown_.Shown()) return QString();
    for (PalaceIndex p = 0; p < kPalaceCount; ++p)
        if (CellRect(p).contains(point)) return QString::fromStdString(PhaseHint(Gate().phases[p]));
    return QString();
}

bool TFhGate::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip)
        return ShowHint(*this, event, HintAt(static_cast<QHelpEvent*>(event)->pos()));
    return QWidget::event(event);
}

void TFhGate::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const GateChart& gate = Gate();
    // Plain frames first, the gate palace's wide one over them.
    for (int pass = 0; pass < 2; ++pass)
        for (PalaceIndex palace = 0; palace < kPalaceCount; ++palace) {
            const Frame frame = shown_.GateFrame(which_, palace);
            if ((frame.width > 1) == (pass == 1)) DrawCellFrame(p, CellRect(palace), frame);
        }
    if (!shown_.Shown()) return;
    p.setFont(StarFont(font(), kLargeStarPixels));
    for (PalaceIndex palace = 0; palace < kPalaceCount; ++palace) {
        p.setPen(ScreenColour(PhaseDigitColour(gate.phases[palace])));
        DrawStarDigit(p, CellRect(palace), gate.stars[palace]);
    }
}
