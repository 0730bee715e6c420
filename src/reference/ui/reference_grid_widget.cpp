// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/reference_grid_widget.h"

#include <QGridLayout>
#include <QLabel>

namespace {

constexpr int kRule = 1;         // the grey rules and the border, pixels
constexpr int kCellPadding = 4;  // text inside a cell, left and right
const QColor kRuleColour(160, 160, 160);

}  // namespace

TReferenceGrid::TReferenceGrid(int rowHeight, QWidget* parent)
    : QWidget(parent), grid_(new QGridLayout(this)), rowHeight_(rowHeight) {
    // The rules are the grey background showing between the white cells.
    setAutoFillBackground(true);
    QPalette rules = palette();
    rules.setColor(QPalette::Window, kRuleColour);
    setPalette(rules);
    grid_->setContentsMargins(kRule, kRule, kRule, kRule);
    grid_->setSpacing(kRule);
    grid_->setSizeConstraint(QLayout::SetFixedSize);
    // A compact face, so that the tables fit their windows' design widths.
    QFont compact = font();
    compact.setPointSize(8);
    setFont(compact);
}

QLabel* TReferenceGrid::NewCell(int row, int column, const QColor& band) {
    auto* cell = new QLabel(this);
    cell->setAutoFillBackground(true);
    QPalette p = cell->palette();
    p.setColor(QPalette::Window, band);
    cell->setPalette(p);
    if (rowHeight_ > 0) cell->setFixedHeight(rowHeight_);
    grid_->addWidget(cell, row, column);
    return cell;
}

QLabel* TReferenceGrid::AddText(int row, int column, const QString& text, const TextStyle& style) {
    QLabel* cell = NewCell(row, column, style.band);
    cell->setText(text);
    cell->setContentsMargins(kCellPadding, 0, kCellPadding, 0);
    cell->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QPalette p = cell->palette();
    p.setColor(QPalette::WindowText, style.colour);
    cell->setPalette(p);
    cell->setWordWrap(style.wrap);
    if (style.bold) {
        QFont bold = cell->font();
        bold.setBold(true);
        cell->setFont(bold);
    }
    return cell;
}

QLabel* TReferenceGrid::AddPicture(int row, int column, const QPixmap& picture) {
    QLabel* cell = NewCell(row, column, Qt::white);
    cell->setAlignment(Qt::AlignCenter);
    if (!picture.isNull()) {
        cell->setPixmap(picture);
        cell->setMinimumWidth(picture.width());
    }
    return cell;
}

QLabel* TReferenceGrid::Cell(int row, int column) const {
    QLayoutItem* item = grid_->itemAtPosition(row, column);
    return item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
}

void TReferenceGrid::AddGlyphColumn(const QPixmap& column, int count) {
    for (int row = 0; row < count; ++row) {
        const QPixmap glyph = column.isNull() ? QPixmap()
                                              : column.copy(0, row * kGlyphRowHeight,
                                                            column.width(), kGlyphRowHeight);
        QLabel* cell = AddPicture(row, 0, glyph);
        cell->setMinimumWidth(kGlyphRowHeight);
    }
}
