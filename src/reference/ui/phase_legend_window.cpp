// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/phase_legend_window.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "reference/phase_legend.h"
#include "widgets/background_fill.h"

TFormLegenda::TFormLegenda(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Легенда фаз"), parent) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(12, 10, 16, 10);
    layout->setHorizontalSpacing(8);
    layout->setVerticalSpacing(6);
    for (std::size_t i = 0; i < PhaseLegendTable.size(); ++i) {
        const PhaseLegendRow& row = PhaseLegendTable[i];
        const Rgb c = PhaseColour(row.phase);
        auto* square = new QLabel(this);
        square->setFixedSize(10, 10);
        FillBackground(*square, QColor(c.r, c.g, c.b));
        Squares[i] = square;
        Captions[i] = new QLabel(QString::fromUtf8(row.caption), this);
        layout->addWidget(square, static_cast<int>(i), 0, Qt::AlignVCenter);
        layout->addWidget(Captions[i], static_cast<int>(i), 1);
    }
    FixSize();
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QSize room = screen->geometry().size();
        move((room.width() - width()) / 2, (room.height() - height()) / 2);
    }
}
