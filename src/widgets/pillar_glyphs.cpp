// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pillar_glyphs.h"

#include <QLabel>

#include "widgets/program_folder.h"

namespace {

QPixmap LoadGlyph(const QString& name) {
    QPixmap glyph(DataPath(QStringLiteral("\\bmp\\") + name));
    return glyph;  // null when the file is missing or unreadable
}

}  // namespace

PillarGlyphs::PillarGlyphs() {
    for (int i = 0; i < 10; ++i)
        stemPictures_[i] = LoadGlyph(QStringLiteral("stvol%1.bmp").arg(i + 1));
    for (int i = 0; i < 12; ++i)
        branchPictures_[i] = LoadGlyph(QStringLiteral("vetv%1.bmp").arg(i + 1));
}

const QPixmap& PillarGlyphs::Stvol(Stem stem) const {
    static const QPixmap empty;
    return IsValidStem(stem) ? stemPictures_[stem - 1] : empty;
}

const QPixmap& PillarGlyphs::Vetv(Branch branch) const {
    static const QPixmap empty;
    return IsValidBranch(branch) ? branchPictures_[branch - 1] : empty;
}

void PillarGlyphs::ShowPillarGlyphs(QLabel* stemImage, QLabel* branchImage, Stem stem,
                                    Branch branch) const {
    if (stemImage && IsValidStem(stem)) stemImage->setPixmap(Stvol(stem));
    if (branchImage && IsValidBranch(branch)) branchImage->setPixmap(Vetv(branch));
}

QLabel* NewGlyphLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFixedSize(kGlyphSize, kGlyphSize);
    return label;
}
