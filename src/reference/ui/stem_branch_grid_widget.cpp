// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/stem_branch_grid_widget.h"

#include <QHBoxLayout>

namespace {

TReferenceGrid* GlyphGrid(const QPixmap& glyphs, const std::vector<TStemBranchGrid::Row>& rows,
                          QWidget* parent) {
    auto* grid = new TReferenceGrid(kGlyphRowHeight, parent);
    grid->AddGlyphColumn(glyphs, static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
        grid->AddText(static_cast<int>(i), 1, rows[i].text, rows[i].style);
    return grid;
}

}  // namespace

TStemBranchGrid::TStemBranchGrid(const QPixmap& stemGlyphs, const QPixmap& branchGlyphs,
                                 const std::vector<Row>& stems, const std::vector<Row>& branches,
                                 QWidget* parent)
    : QWidget(parent) {
    Stems = GlyphGrid(stemGlyphs, stems, this);
    Branches = GlyphGrid(branchGlyphs, branches, this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(6);
    layout->addWidget(Stems, 0, Qt::AlignTop);
    layout->addWidget(Branches, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
