// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A sheet for the client laid out from measured text: sections stacked top to bottom, each as
// tall as its content measured for the width it gets, so that nothing overlaps whatever the texts
// say; text breaks between words to fit its width. A sheet is a Picture (print_export.h): a page
// of a PDF or a PNG. Fonts are measured without hinting, as a PDF sets them, so that a line that
// fits on the screen fits on paper.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <functional>
#include <vector>

#include "widgets/print_export.h"

class QPainter;

// One part of a sheet: how tall it is at a width, and how it paints itself into its rectangle.
struct SheetSection {
    std::function<int(int width)> height;
    std::function<void(QPainter& painter, const QRect& area)> paint;
};

// The sections one under another, `gap` pixels apart, inside a margin of `margin` pixels, on a
// white sheet `width` pixels wide; a section of height 0 takes no gap.
Picture StackedSheet(std::vector<SheetSection> sections, int width, int margin = 12, int gap = 10);
// Two columns side by side (`leftWidth` pixels, then the rest after `gap`), as tall as the taller.
SheetSection SideBySide(SheetSection left, SheetSection right, int leftWidth, int gap = 12);
// Sections stacked with `gap` between them, as one section.
SheetSection Stacked(std::vector<SheetSection> sections, int gap = 4);

// The font of a sheet's text at a pixel size: the application's face, measured as on paper.
QFont SheetFont(int pixelSize, bool bold = false);
// The face for Chinese characters (Noto CJK, which the program installs), so that a document
// carries them as text in an embedded font.
QFont ChineseFont(int pixelSize);

// `text` broken into lines no wider than `width` in `font` (between words; a word wider than the
// width where it must). Line breaks in the text are kept.
QStringList WrapText(const QString& text, const QFont& font, int width);
// A paragraph of wrapped text in one font and colour, as a section; each line aligned left,
// right or centred (Qt::AlignHCenter).
SheetSection Paragraph(const QString& text, const QFont& font, QColor colour = Qt::black,
                       Qt::Alignment alignment = Qt::AlignLeft);
// As Paragraph, on a band of `ground` with a `padding` around the text: the band is as tall as
// the text.
SheetSection Band(const QString& text, const QFont& font, QColor colour, QColor ground,
                  int padding = 4);
// Rows of a caption and its value: the captions in a column as wide as the widest of them (at
// most 45 % of the width), the values wrapped beside them.
SheetSection CaptionedRows(const std::vector<std::pair<QString, QString>>& rows, const QFont& font);
