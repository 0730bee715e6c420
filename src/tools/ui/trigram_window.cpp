// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/trigram_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include "tools/ui/gua_smol_widget.h"
#include "tools/ui/trigram_selector_widget.h"
#include "widgets/page_viewer.h"

namespace {
constexpr char kTrigramHint[] = "Описание гуа";
}

TFormGua::TFormGua(QWidget* parent) : TToolWindow(parent) {
    setWindowTitle(QString::fromUtf8("Знаки гуа"));
    ComboBoxEx1 = new TrigramSelector(this);
    DescriptionButton = ::DescriptionButton(kTrigramHint, this);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Box);
    auto* inFrame = new QHBoxLayout(frame);
    inFrame->setContentsMargins(12, 10, 12, 10);
    SmallTrigram = new TGuaSmol(frame);
    SmallTrigram->setFixedSize(SmallTrigram->sizeHint());
    SmallTrigram->setToolTip(QString::fromUtf8(kTrigramHint));
    SmallTrigram->setCursor(Qt::PointingHandCursor);
    inFrame->addWidget(SmallTrigram);

    auto* top = new QHBoxLayout;
    top->addWidget(ComboBoxEx1, 1);
    top->addWidget(DescriptionButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(frame, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ComboBoxEx1, &QComboBox::currentIndexChanged, this, &TFormGua::ComboBoxEx1Change);
    connect(DescriptionButton, &QToolButton::clicked, this, &TFormGua::OpenTrigramPage);
    connect(SmallTrigram, &TGuaSmol::clicked, this, &TFormGua::OpenTrigramPage);

    ComboBoxEx1->setCurrentIndex(1);  // Кань
}

void TFormGua::SelectTrigram(int no) {
    Present();
    const int index = TrigramItemIndexOfTrigram(no);
    if (index >= 0) ComboBoxEx1->setCurrentIndex(index);
    ComboBoxEx1Change();
}

void TFormGua::ComboBoxEx1Change() {
    SmallTrigram->SetNo(ComboBoxEx1->Item().trigram);
}

void TFormGua::OpenTrigramPage() {
    OpenPageViewer(QString::fromStdString(TrigramPagePath(SmallTrigram->No())), ViewerParent());
}

void TFormGua::showEvent(QShowEvent* event) {
    TToolWindow::showEvent(event);
    ComboBoxEx1->Recaption();
}
