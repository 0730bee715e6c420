// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/ba_zhai_window.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "tools/ui/gua_smol_widget.h"
#include "tools/ui/trigram_selector_widget.h"
#include "widgets/data_picture.h"
#include "widgets/error_box.h"
#include "widgets/page_viewer.h"

namespace {

constexpr int kDiagramSize = 436;
constexpr char kHouseHint[] = "Описание для Дворца";
constexpr char kTrigramHint[] = "Описание гуа";

}  // namespace

TFormBCShema::TFormBCShema(QWidget* parent) : TToolWindow(parent) {
    setWindowTitle(QString::fromUtf8("Ба чжай"));

    ComboBoxEx2 = new TrigramSelector(this);
    DescriptionButton = ::DescriptionButton(kHouseHint, this);
    FateLine = new QLabel(this);
    QFont bold = FateLine->font();
    bold.setBold(true);
    FateLine->setFont(bold);

    Diagram = new QLabel(this);
    Diagram->setFixedSize(kDiagramSize, kDiagramSize);
    Diagram->setAlignment(Qt::AlignCenter);
    // The trigram sits in the empty centre of the diagram, in a dotted frame.
    constexpr int kFrameMargin = 6;
    auto* frame = new QFrame(Diagram);
    frame->setObjectName(QStringLiteral("TrigramFrame"));
    frame->setStyleSheet(QStringLiteral("#TrigramFrame { border: 1px dotted black; }"));
    SmallTrigram = new TGuaSmol(frame);
    SmallTrigram->setFixedSize(SmallTrigram->sizeHint());
    SmallTrigram->move(kFrameMargin, kFrameMargin);
    SmallTrigram->setToolTip(QString::fromUtf8(kTrigramHint));
    SmallTrigram->setCursor(Qt::PointingHandCursor);
    frame->setFixedSize(SmallTrigram->width() + 2 * kFrameMargin,
                        SmallTrigram->height() + 2 * kFrameMargin);
    frame->move((kDiagramSize - frame->width()) / 2, (kDiagramSize - frame->height()) / 2);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QString::fromUtf8("Гуа:"), this));
    top->addWidget(ComboBoxEx2, 1);
    top->addWidget(DescriptionButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(FateLine);
    layout->addWidget(Diagram);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ComboBoxEx2, &QComboBox::currentIndexChanged, this, &TFormBCShema::ComboBoxEx2Change);
    connect(DescriptionButton, &QToolButton::clicked, this, &TFormBCShema::OpenHousePage);
    connect(SmallTrigram, &TGuaSmol::clicked, this, &TFormBCShema::OpenTrigramPage);

    ComboBoxEx2->setCurrentIndex(1);  // Кань
    OfferPictureExport();
}

void TFormBCShema::SelectItem(int index) {
    Present();
    if (index >= 0 && index < ComboBoxEx2->count()) ComboBoxEx2->setCurrentIndex(index);
    ComboBoxEx2Change();
}

void TFormBCShema::SelectPalace(int palace) {
    SelectItem(TrigramItemIndexOfPalace(palace));
}

void TFormBCShema::ComboBoxEx2Change() {
    const TrigramItem& item = ComboBoxEx2->Item();
    SmallTrigram->SetNo(item.trigram);
    FateLine->setText(QString::fromUtf8(item.fateLine));
    LoadDiagram(QString::fromStdString(HouseDiagramPath(item)));
}

void TFormBCShema::LoadDiagram(const QString& pagePath) {
    const QPixmap picture = LoadDataPicture(pagePath, diagramError_);
    if (!diagramError_.isEmpty()) {
        // Another house's diagram must not stay beside this house's fate line.
        Diagram->clear();
        ShowErrorBox(this, diagramError_);
        return;
    }
    Diagram->setPixmap(picture);
}

void TFormBCShema::OpenHousePage() {
    OpenPageViewer(QString::fromStdString(HousePagePath(ComboBoxEx2->Item())), ViewerParent());
}

void TFormBCShema::OpenTrigramPage() {
    OpenPageViewer(QString::fromStdString(TrigramPagePath(SmallTrigram->No())), ViewerParent());
}

void TFormBCShema::showEvent(QShowEvent* event) {
    TToolWindow::showEvent(event);
    ComboBoxEx2->Recaption();
}
