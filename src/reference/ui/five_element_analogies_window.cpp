// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/five_element_analogies_window.h"

#include <QLabel>

#include <algorithm>
#include <numeric>
#include <vector>

#include "reference/five_element_analogies.h"
#include "reference/ui/reference_grid_widget.h"

namespace {

const QColor kCream(255, 251, 240);
constexpr int kRowHeight = 28;  // two lines of a wrapped header
constexpr int kDesignWidth = 459;
constexpr int kCellMargins = 8;  // the cell's padding, left and right

int LineWidth(const QLabel& cell, const QString& line) {
    return cell.fontMetrics().horizontalAdvance(line) + kCellMargins + 1;
}

// Narrows the columns that gain most by wrapping at blanks ("Желчный пузырь",
// "Природные явления") until the grid fits the window's design width, so that the last columns,
// "Цвета" and "Вкус", need no scroll bar. A wrapped column keeps its longest word whole.
void FitColumns(TReferenceGrid& grid, int rows, int columns) {
    std::vector<int> natural(static_cast<std::size_t>(columns)), narrow = natural;
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r) {
            const QLabel& cell = *grid.Cell(r, c);
            auto& n = natural[static_cast<std::size_t>(c)];
            auto& w = narrow[static_cast<std::size_t>(c)];
            n = std::max(n, LineWidth(cell, cell.text()));
            for (const QString& word : cell.text().split(QLatin1Char(' ')))
                w = std::max(w, LineWidth(cell, word));
        }
    std::vector<int> width = natural;
    const int rules = columns + 1;
    auto total = [&] { return std::accumulate(width.begin(), width.end(), rules); };
    while (total() > kDesignWidth) {
        std::size_t best = 0;
        for (std::size_t c = 1; c < width.size(); ++c)
            if (width[c] - narrow[c] > width[best] - narrow[best]) best = c;
        if (width[best] == narrow[best]) break;
        width[best] = narrow[best];
    }
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            grid.Cell(r, c)->setFixedWidth(width[static_cast<std::size_t>(c)]);
}

}  // namespace

TFormTable6::TFormTable6(QWidget* parent)
    : ReferenceWindow(QString::fromUtf8("Аналогии у син"), parent) {
    Grid = new TReferenceGrid(kRowHeight);
    TReferenceGrid::TextStyle header;
    header.bold = true;
    header.band = kCream;
    header.wrap = true;
    for (int c = 0; c < kAnalogyColumns; ++c)
        Grid->AddText(0, c, QString::fromUtf8(AnalogyHeader[static_cast<std::size_t>(c)]), header);
    // Two-word organs wrap too, so that every column ("Цвета" and "Вкус" last) is in sight at
    // the window's width.
    TReferenceGrid::TextStyle body;
    body.wrap = true;
    for (int r = 0; r < kAnalogyRows; ++r)
        for (int c = 0; c < kAnalogyColumns; ++c)
            Grid->AddText(
                r + 1, c,
                QString::fromUtf8(
                    AnalogyTable[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]),
                body);
    FitColumns(*Grid, kAnalogyRows + 1, kAnalogyColumns);
    ScrolledContent(Grid, Qt::AlignLeft | Qt::AlignTop);
    // A wider face than the design's still shows every column without a scroll bar.
    resize(std::max(kDesignWidth, Grid->sizeHint().width()), 207);
}
