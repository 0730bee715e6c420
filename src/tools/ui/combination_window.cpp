// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/combination_window.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/page_viewer.h"

namespace {

// A group of nine radio buttons "1 белая" .. "9 пурпурная", none chosen; ids are the stars.
QButtonGroup* StarGroup(const char* caption, QWidget* owner, QHBoxLayout* row) {
    auto* box = new QGroupBox(QString::fromUtf8(caption), owner);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(owner);
    for (int star = 1; star <= 9; ++star) {
        auto* button = new QRadioButton(QString::fromStdString(StarListCaption(star)), box);
        group->addButton(button, star);
        column->addWidget(button);
    }
    row->addWidget(box);
    return group;
}

}  // namespace

TFormCombo::TFormCombo(QWidget* parent) : TToolWindow(parent) {
    setWindowTitle(QString::fromUtf8("Комбинации звезд"));
    auto* stars = new QHBoxLayout;
    HostStars = StarGroup("Звезда хозяин:", this, stars);
    GuestStars = StarGroup("Звезда гость:", this, stars);

    auto* kindBox = new QGroupBox(QString::fromUtf8("Характер комбинаций: "), this);
    auto* kinds = new QHBoxLayout(kindBox);
    Cycles = new QRadioButton(QString::fromUtf8(CombinationKindCaption(CombinationKind::Cycles)),
                              kindBox);
    FlyingStars = new QRadioButton(
        QString::fromUtf8(CombinationKindCaption(CombinationKind::FlyingStars)), kindBox);
    Cycles->setChecked(true);
    kinds->addWidget(Cycles);
    kinds->addWidget(FlyingStars);

    DescriptionButton = new QPushButton(QString::fromUtf8("Описание комбинации"), this);
    DescriptionButton->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(stars);
    layout->addWidget(kindBox);
    layout->addWidget(DescriptionButton);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(HostStars, &QButtonGroup::idClicked, this, &TFormCombo::StarChosen);
    connect(GuestStars, &QButtonGroup::idClicked, this, &TFormCombo::StarChosen);
    connect(DescriptionButton, &QPushButton::clicked, this, &TFormCombo::OpenDescription);
}

int TFormCombo::Host() const {
    return std::max(0, HostStars->checkedId());
}
int TFormCombo::Guest() const {
    return std::max(0, GuestStars->checkedId());
}

CombinationKind TFormCombo::Kind() const {
    return FlyingStars->isChecked() ? CombinationKind::FlyingStars : CombinationKind::Cycles;
}

void TFormCombo::ShowCombination(int host, int guest, CombinationKind kind) {
    Present();
    if (QAbstractButton* b = HostStars->button(host)) b->setChecked(true);
    if (QAbstractButton* b = GuestStars->button(guest)) b->setChecked(true);
    (kind == CombinationKind::Cycles ? Cycles : FlyingStars)->setChecked(true);
    StarChosen();
}

void TFormCombo::StarChosen() {
    if (Host() > 0 && Guest() > 0) DescriptionButton->setEnabled(true);
}

void TFormCombo::OpenDescription() {
    if (Host() == 0 || Guest() == 0) return;
    OpenPageViewer(QString::fromStdString(CombinationPagePath(Host(), Guest(), Kind())),
                   ViewerParent());
}
