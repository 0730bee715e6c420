// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/organs_meridians_window.h"

#include "reference/stem_branch_reference.h"
#include "reference/ui/stem_branch_grid_widget.h"

namespace {

QString Lines(const std::vector<std::string>& lines) {
    QStringList out;
    for (const std::string& line : lines) out.append(QString::fromStdString(line));
    return out.join(QLatin1Char('\n'));
}

}  // namespace

TFormTable9::TFormTable9(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Органы и меридианы"), parent) {
    std::vector<TStemBranchGrid::Row> stems;
    for (Stem s = 1; s <= 10; ++s) stems.push_back({Lines(OrganOfStem(s)), {}});
    std::vector<TStemBranchGrid::Row> branches;
    for (Branch b = 1; b <= 12; ++b) {
        const Meridian m = MeridianOfBranch(b);
        branches.push_back({Lines({m.name, m.channel}), {}});
    }
    Grid = new TStemBranchGrid(LoadPicture(QStringLiteral("\\bmp\\gan.bmp")),
                               LoadPicture(QStringLiteral("\\bmp\\zhu.bmp")), stems, branches);
    ScrolledContent(Grid, Qt::AlignLeft | Qt::AlignTop);
    resize(451, 411);
}
