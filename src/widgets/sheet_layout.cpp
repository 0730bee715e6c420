// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/sheet_layout.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Room left at the end of every line: a PDF viewer's rounding never pushes a word past the edge.
int WrapWidth(int width) {
    return std::max(1, width - 2 - width / 50);
}

int LineHeight(const QFont& font) {
    return static_cast<int>(std::ceil(QFontMetricsF(font).lineSpacing()));
}

int TextHeight(const QString& text, const QFont& font, int width) {
    return static_cast<int>(WrapText(text, font, width).size()) * LineHeight(font);
}

// The lines from `topLeft` down, each aligned within `width`.
void PaintLines(QPainter& painter, const QStringList& lines, const QFont& font, QColor colour,
                const QPoint& topLeft, int width = 0, Qt::Alignment alignment = Qt::AlignLeft) {
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    const QFontMetricsF metrics(font);
    const int step = LineHeight(font);
    for (int i = 0; i < lines.size(); ++i) {
        const double room = width - metrics.horizontalAdvance(lines[i]);
        const double x = alignment & Qt::AlignHCenter ? room / 2
                         : alignment & Qt::AlignRight ? room
                                                      : 0;
        painter.drawText(
            QPointF(topLeft.x() + std::max(0.0, x), topLeft.y() + i * step + metrics.ascent()),
            lines[i]);
    }
    painter.restore();
}

}  // namespace

QFont SheetFont(int pixelSize, bool bold) {
    QFont font = QGuiApplication::font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont ChineseFont(int pixelSize) {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                      QStringLiteral("Noto Sans CJK TC"), QStringLiteral("Noto Sans CJK JP")});
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QStringList WrapText(const QString& text, const QFont& font, int width) {
    QStringList lines;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        int made = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(WrapWidth(width));
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back().isSpace()) part.chop(1);
            lines << part;
            ++made;
        }
        layout.endLayout();
        if (made == 0) lines << QString();
    }
    return lines;
}

Picture StackedSheet(std::vector<SheetSection> sections, int width, int margin, int gap) {
    const int inner = width - 2 * margin;
    auto heights = std::make_shared<std::vector<int>>();
    int height = margin;
    for (const SheetSection& s : sections) {
        const int h = s.height(inner);
        heights->push_back(h);
        if (h > 0) height += h + gap;
    }
    height += margin - (heights->empty() ? 0 : gap);
    auto parts = std::make_shared<std::vector<SheetSection>>(std::move(sections));
    return {QSize(width, std::max(height, 2 * margin)),
            [parts, heights, width, height, margin, gap, inner](QPainter& painter) {
                painter.fillRect(QRect(0, 0, width, height), Qt::white);
                int y = margin;
                for (std::size_t i = 0; i < parts->size(); ++i) {
                    const int h = (*heights)[i];
                    if (h <= 0) continue;
                    (*parts)[i].paint(painter, QRect(margin, y, inner, h));
                    y += h + gap;
                }
            }};
}

SheetSection SideBySide(SheetSection left, SheetSection right, int leftWidth, int gap) {
    return {[left, right, leftWidth, gap](int width) {
                return std::max(left.height(leftWidth), right.height(width - leftWidth - gap));
            },
            [left, right, leftWidth, gap](QPainter& painter, const QRect& area) {
                const int rightWidth = area.width() - leftWidth - gap;
                left.paint(painter,
                           QRect(area.left(), area.top(), leftWidth, left.height(leftWidth)));
                right.paint(painter, QRect(area.left() + leftWidth + gap, area.top(), rightWidth,
                                           right.height(rightWidth)));
            }};
}

SheetSection Stacked(std::vector<SheetSection> sections, int gap) {
    auto parts = std::make_shared<std::vector<SheetSection>>(std::move(sections));
    return {[parts, gap](int width) {
                int total = 0;
                for (const SheetSection& s : *parts)
                    if (const int h = s.height(width); h > 0) total += (total > 0 ? gap : 0) + h;
                return total;
            },
            [parts, gap](QPainter& painter, const QRect& area) {
                int y = area.top();
                for (const SheetSection& s : *parts) {
                    const int h = s.height(area.width());
                    if (h <= 0) continue;
                    s.paint(painter, QRect(area.left(), y, area.width(), h));
                    y += h + gap;
                }
            }};
}

SheetSection Paragraph(const QString& text, const QFont& font, QColor colour,
                       Qt::Alignment alignment) {
    return {[text, font](int width) { return text.isEmpty() ? 0 : TextHeight(text, font, width); },
            [text, font, colour, alignment](QPainter& painter, const QRect& area) {
                PaintLines(painter, WrapText(text, font, area.width()), font, colour,
                           area.topLeft(), area.width(), alignment);
            }};
}

SheetSection Band(const QString& text, const QFont& font, QColor colour, QColor ground,
                  int padding) {
    return {[text, font, padding](int width) {
                return text.isEmpty() ? 0
                                      : TextHeight(text, font, width - 2 * padding) + 2 * padding;
            },
            [text, font, colour, ground, padding](QPainter& painter, const QRect& area) {
                painter.fillRect(area, ground);
                PaintLines(painter, WrapText(text, font, area.width() - 2 * padding), font, colour,
                           area.topLeft() + QPoint(padding, padding));
            }};
}

SheetSection CaptionedRows(const std::vector<std::pair<QString, QString>>& rows,
                           const QFont& font) {
    auto captionWidth = [rows, font](int width) {
        double widest = 0;
        const QFontMetricsF metrics(font);
        for (const auto& row : rows)
            widest = std::max(widest, metrics.horizontalAdvance(row.first));
        return std::min(static_cast<int>(std::ceil(widest)) + 8, width * 9 / 20);
    };
    auto rowHeight = [font](const std::pair<QString, QString>& row, int first, int second) {
        return std::max(TextHeight(row.first, font, first), TextHeight(row.second, font, second));
    };
    return {[rows, captionWidth, rowHeight](int width) {
                const int first = captionWidth(width);
                int total = 0;
                for (const auto& row : rows) total += rowHeight(row, first, width - first);
                return total;
            },
            [rows, font, captionWidth, rowHeight](QPainter& painter, const QRect& area) {
                const int first = captionWidth(area.width());
                const int second = area.width() - first;
                int y = area.top();
                for (const auto& row : rows) {
                    PaintLines(painter, WrapText(row.first, font, first), font, Qt::black,
                               QPoint(area.left(), y));
                    PaintLines(painter, WrapText(row.second, font, second), font, Qt::black,
                               QPoint(area.left() + first, y));
                    y += rowHeight(row, first, second);
                }
            }};
}
