// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The stems-and-branches grid of the reference tables: on the left the ten stems, each row its
// glyph and a text; on the right the twelve branches the same way. The glyphs come from the two
// glyph-column pictures, the texts from the table's engine.
#include <QString>
#include <QWidget>
#include <vector>

#include "reference/ui/reference_grid_widget.h"

class TStemBranchGrid : public QWidget {
    Q_OBJECT
public:
    struct Row {
        QString text;  // lines separated by '\n'
        TReferenceGrid::TextStyle style;
    };

    // `stems` has ten rows, `branches` twelve; the pictures may be null (empty glyph cells).
    TStemBranchGrid(const QPixmap& stemGlyphs, const QPixmap& branchGlyphs,
                    const std::vector<Row>& stems, const std::vector<Row>& branches,
                    QWidget* parent = nullptr);

    TReferenceGrid* Stems;  // glyph in column 0, text in column 1
    TReferenceGrid* Branches;
};
