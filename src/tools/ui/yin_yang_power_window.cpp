// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/yin_yang_power_window.h"

#include <QFrame>
#include <QGridLayout>

#include "tools/yin_yang_legend.h"

namespace {

QFrame* ColourSquare(Element element, QWidget* parent) {
    const Rgb c = ElementSquareColour(element);
    auto* square = new QFrame(parent);
    square->setFixedSize(10, 10);
    square->setStyleSheet(
        QStringLiteral("background-color: rgb(%1, %2, %3); border: 1px solid black;")
            .arg(c.r)
            .arg(c.g)
            .arg(c.b));
    return square;
}

}  // namespace

TFormPower::TFormPower(QWidget* parent) : TToolWindow(parent) {
    setWindowTitle(QString::fromUtf8("Соотношение ян/инь звезд"));
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    QFont bold = font();
    bold.setBold(true);
    auto* yang = new QLabel(QString::fromUtf8(kYangColumnCaption), this);
    auto* yin = new QLabel(QString::fromUtf8(kYinColumnCaption), this);
    yang->setFont(bold);
    yin->setFont(bold);
    grid->addWidget(yang, 0, 0, 1, 2);
    grid->addWidget(yin, 0, 3, 1, 2);
    grid->setColumnMinimumWidth(2, 24);  // room between the two columns

    const auto& rows = YinYangLegend();
    for (int i = 0; i < 9; ++i) {
        const int row = i + 1;
        YangStars[i] = new QLabel(QString::fromStdString(rows[i].yang.text), this);
        YinStars[i] = new QLabel(QString::fromStdString(rows[i].yin.text), this);
        grid->addWidget(ColourSquare(rows[i].yang.element, this), row, 0);
        grid->addWidget(YangStars[i], row, 1);
        grid->addWidget(ColourSquare(rows[i].yin.element, this), row, 3);
        grid->addWidget(YinStars[i], row, 4);
    }
    grid->setSizeConstraint(QLayout::SetFixedSize);
}
