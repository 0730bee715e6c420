// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/stem_branch_table_window.h"

#include "reference/stem_branch_reference.h"
#include "reference/ui/stem_branch_grid_widget.h"

namespace {

TReferenceGrid::TextStyle Coloured(Element e) {
    const Rgb c = ElementTextColour(e);
    TReferenceGrid::TextStyle style;
    style.colour = QColor(c.r, c.g, c.b);
    return style;
}

}  // namespace

TFormTable2::TFormTable2(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Стволы и ветви"), parent) {
    std::vector<TStemBranchGrid::Row> stems;
    for (Stem s = 1; s <= 10; ++s)
        stems.push_back({QString::fromStdString(StemTableCaption(s)), Coloured(StemElement(s))});
    std::vector<TStemBranchGrid::Row> branches;
    for (Branch b = 1; b <= 12; ++b)
        branches.push_back(
            {QString::fromStdString(BranchTableCaption(b)), Coloured(BranchElement(b))});
    Grid = new TStemBranchGrid(LoadPicture(QStringLiteral("\\bmp\\gan.bmp")),
                               LoadPicture(QStringLiteral("\\bmp\\zhu.bmp")), stems, branches);
    ScrolledContent(Grid, Qt::AlignLeft | Qt::AlignTop);
    resize(439, 411);
}
