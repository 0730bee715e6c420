// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/stem_branch_diagram_window.h"

#include <QGridLayout>
#include <QLabel>

namespace {

QLabel* CompassLetter(const char* letter, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(letter), parent);
    QFont bold = label->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    label->setFont(bold);
    QPalette grey = label->palette();
    grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
    label->setPalette(grey);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

TFormTable4::TFormTable4(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Диаграмма «Стволы и ветви»"), parent) {
    Picture = PictureLabel(QStringLiteral("\\bmp\\diag3.bmp"), QSize(400, 400));
    South = CompassLetter("Ю", this);
    North = CompassLetter("С", this);
    West = CompassLetter("З", this);
    East = CompassLetter("В", this);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(South, 0, 1);
    layout->addWidget(East, 1, 0);
    layout->addWidget(Picture, 1, 1);
    layout->addWidget(West, 1, 2);
    layout->addWidget(North, 2, 1);
    FixSize();
}
