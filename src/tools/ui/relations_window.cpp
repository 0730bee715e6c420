// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/relations_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "tools/branch_relations.h"
#include "tools/na_yin.h"
#include "tools/pillar_selector_captions.h"
#include "tools/ui/czi_pin_widget.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/pillar_link.h"

namespace {

constexpr char kBranchHint[] = "Двухчасовки";

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

QComboBox* BranchSelector(const PillarGlyphs& glyphs, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setIconSize(QSize(kGlyphSize, kGlyphSize));
    for (Branch b = 1; b <= 12; ++b)
        box->addItem(QIcon(glyphs.Vetv(b)), Text(BranchSelectorCaption(b)));
    box->setToolTip(QString::fromUtf8(kBranchHint));
    return box;
}

}  // namespace

TFormCzPin::TFormCzPin(const PillarGlyphs& glyphs, QWidget* parent) : TToolWindow(parent) {
    setWindowTitle(QString::fromUtf8("Стволы и ветви"));

    auto* stems = new QGroupBox(QString::fromUtf8("Стволы и ветви"), this);
    auto* upper = new QFormLayout(stems);
    Svtol = new QComboBox(stems);
    Svtol->setIconSize(QSize(kGlyphSize, kGlyphSize));
    for (Stem s = 1; s <= 10; ++s)
        Svtol->addItem(QIcon(glyphs.Stvol(s)), Text(StemSelectorCaption(s)));
    Vetv1 = BranchSelector(glyphs, stems);
    upper->addRow(QString::fromUtf8("Ствол:"), Svtol);
    upper->addRow(QString::fromUtf8("Ветвь:"), Vetv1);
    CziPinYear = new TCziPin(stems);
    CziPinYear->setFixedSize(267, 24);
    CziPinYear->SetLeftColor(QColor(255, 128, 128));
    CziPinYear->SetRigntColor(QColor(185, 203, 181));
    CziPinYear->SetArrColor(QColor(128, 0, 0));
    upper->addRow(CziPinYear);
    StageName = new QLabel(stems);
    QFont bold = StageName->font();
    bold.setBold(true);
    StageName->setFont(bold);
    StageName->setAlignment(Qt::AlignCenter);
    upper->addRow(StageName);
    NaYin = new QLabel(stems);
    NaYin->setFont(bold);
    upper->addRow(QString::fromUtf8("Най инь:"), NaYin);

    auto* branches = new QGroupBox(QString::fromUtf8("Сочетаемость ветвей"), this);
    auto* lower = new QFormLayout(branches);
    Vetv2 = BranchSelector(glyphs, branches);
    Vetv3 = BranchSelector(glyphs, branches);
    lower->addRow(QString::fromUtf8("Базовая ветвь:"), Vetv2);
    lower->addRow(QString::fromUtf8("Дополнительная ветвь:"), Vetv3);
    OfficerLink = new PillarLink(QString(), branches);
    lower->addRow(QString::fromUtf8("Цзянь:"), OfficerLink);
    Harmony = new QLabel(branches);
    Harmony->setFont(bold);
    lower->addRow(QString::fromUtf8("Сочетаемость ветвей:"), Harmony);
    Relations = new QLabel(branches);
    lower->addRow(QString::fromUtf8("Отношения:"), Relations);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stems);
    layout->addWidget(branches);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QComboBox* box : {Svtol, Vetv1})
        connect(box, &QComboBox::currentIndexChanged, this, &TFormCzPin::SvtolChange);
    for (QComboBox* box : {Vetv2, Vetv3})
        connect(box, &QComboBox::currentIndexChanged, this, &TFormCzPin::Vetv2Change);
    connect(OfficerLink, &PillarLink::clicked, this, [this] { emit OfficerLinkClicked(officer_); });

    StvolVetv();
    VetvVetv();
}

void TFormCzPin::SelectPillar(Pillar pillar) {
    Present();
    {
        const QSignalBlocker stemBlocker(Svtol);
        const QSignalBlocker branchBlocker(Vetv1);
        if (IsValidStem(pillar.stem)) Svtol->setCurrentIndex(pillar.stem - 1);
        if (IsValidBranch(pillar.branch)) Vetv1->setCurrentIndex(pillar.branch - 1);
    }
    SvtolChange();
}

void TFormCzPin::SvtolChange() {
    StvolVetv();
}

void TFormCzPin::Vetv2Change() {
    VetvVetv();
}

void TFormCzPin::StvolVetv() {
    const Stem stem = Svtol->currentIndex() + 1;
    const Branch branch = Vetv1->currentIndex() + 1;
    const LifeStage stage = LifeStageOf(stem, branch);
    CziPinYear->SetInJan(stage.direction);
    CziPinYear->SetCPScrol(static_cast<TCziPinParam>(stage.position));
    StageName->setText(Text(LifeStageName(stage.position)));
    NaYin->setText(Text(NaYinText(stem, branch)));
}

void TFormCzPin::VetvVetv() {
    const Branch base = Vetv2->currentIndex() + 1;
    const Branch additional = Vetv3->currentIndex() + 1;
    officer_ = OfficerOfBranches(base, additional);
    OfficerLink->setText(Text(OfficerName(officer_)));
    Harmony->setText(Text(HarmonyWord(HarmonyOfBranches(base, additional))));
    Relations->setText(Text(RelationsText(base, additional)));
}

void TFormCzPin::Recaption() {
    for (Stem s = 1; s <= 10; ++s) Svtol->setItemText(s - 1, Text(StemSelectorCaption(s)));
    for (QComboBox* box : {Vetv1, Vetv2, Vetv3})
        for (Branch b = 1; b <= 12; ++b) box->setItemText(b - 1, Text(BranchSelectorCaption(b)));
}

void TFormCzPin::showEvent(QShowEvent* event) {
    TToolWindow::showEvent(event);
    Recaption();
}
