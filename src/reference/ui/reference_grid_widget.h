// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A bordered grid of text and picture cells with thin grey rules between them, as the reference
// tables draw them. Cells are white unless given a band colour; empty places stay white.
#include <QColor>
#include <QWidget>

class QGridLayout;
class QLabel;

// The glyph-column pictures hold one glyph every 31 pixels; the glyph tables use rows as high.
constexpr int kGlyphRowHeight = 31;

class TReferenceGrid : public QWidget {
    Q_OBJECT
public:
    // Every row `rowHeight` pixels high (0: as high as its content).
    explicit TReferenceGrid(int rowHeight = 0, QWidget* parent = nullptr);

    struct TextStyle {
        QColor colour = Qt::black;
        bool bold = false;
        QColor band = Qt::white;  // the cell's background
        bool wrap = false;        // long captions break between words
    };

    // A text cell; several lines are separated by '\n'.
    QLabel* AddText(int row, int column, const QString& text, const TextStyle& style);
    QLabel* AddText(int row, int column, const QString& text) {
        return AddText(row, column, text, TextStyle());
    }
    // A picture cell (an empty cell when the picture is null).
    QLabel* AddPicture(int row, int column, const QPixmap& picture);
    // Column 0 of rows 0..count−1: the glyphs of a glyph-column picture, one per
    // kGlyphRowHeight pixels from its top (the stems in "\bmp\gan.bmp", the branches in
    // "\bmp\zhu.bmp"), each beside its row.
    void AddGlyphColumn(const QPixmap& column, int count);
    // The cell at (row, column); nullptr for an empty place.
    QLabel* Cell(int row, int column) const;

private:
    QLabel* NewCell(int row, int column, const QColor& band);

    QGridLayout* grid_;
    int rowHeight_;
};
