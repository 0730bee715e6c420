// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 22 glyph pictures of the stems (Stvol1..Stvol10) and branches (Vetv1..Vetv12), 20 × 20,
// loaded once from "\bmp\stvolN.bmp" and "\bmp\vetvN.bmp". Every pillar drawn as glyphs copies
// its pictures from here. A missing picture is an empty image.
#include <QPixmap>
#include <array>

#include "calendar/vocabulary.h"

class QLabel;

class QWidget;

class PillarGlyphs {
public:
    // Loads the pictures from the program's folder.
    PillarGlyphs();

    const QPixmap& Stvol(Stem stem) const;     // 1..10
    const QPixmap& Vetv(Branch branch) const;  // 1..12

    // The stem image gets Stvol<stem>, the branch image Vetv<branch>. An out-of-range stem leaves
    // the stem image as it was (the branch is still set), an out-of-range branch its image.
    void ShowPillarGlyphs(QLabel* stemImage, QLabel* branchImage, Stem stem, Branch branch) const;

private:
    std::array<QPixmap, 10> stemPictures_;
    std::array<QPixmap, 12> branchPictures_;
};

constexpr int kGlyphSize = 20;

// An empty image of a glyph's size, for ShowPillarGlyphs to fill.
QLabel* NewGlyphLabel(QWidget* parent);
