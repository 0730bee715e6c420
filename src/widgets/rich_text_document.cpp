// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/rich_text_document.h"

#include <QColor>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

namespace {

Qt::Alignment AlignmentOf(ParagraphAlignment a) {
    switch (a) {
        case ParagraphAlignment::Centre: return Qt::AlignHCenter;
        case ParagraphAlignment::Right: return Qt::AlignRight;
        case ParagraphAlignment::Justify: return Qt::AlignJustify;
        case ParagraphAlignment::Left: break;
    }
    return Qt::AlignLeft;
}

ParagraphAlignment ParagraphAlignmentOf(Qt::Alignment a) {
    if (a & Qt::AlignHCenter) return ParagraphAlignment::Centre;
    if (a & Qt::AlignRight) return ParagraphAlignment::Right;
    if (a & Qt::AlignJustify) return ParagraphAlignment::Justify;
    return ParagraphAlignment::Left;
}

QTextCharFormat CharFormatOf(const TextStyle& style) {
    QTextCharFormat f;
    f.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(style.italic);
    f.setFontUnderline(style.underline);
    if (style.pointSize > 0) f.setFontPointSize(style.pointSize);
    if (style.hasColour) f.setForeground(QColor::fromRgb(style.colour));
    if (!style.fontName.empty())
        f.setFontFamilies(QStringList{QString::fromStdString(style.fontName)});
    return f;
}

TextStyle StyleOf(const QTextCharFormat& f) {
    TextStyle s;
    s.bold = f.fontWeight() >= QFont::Bold;
    s.italic = f.fontItalic();
    s.underline = f.fontUnderline();
    if (f.hasProperty(QTextFormat::FontPointSize))
        s.pointSize = static_cast<int>(f.fontPointSize() + 0.5);
    if (f.hasProperty(QTextFormat::ForegroundBrush)) {
        s.hasColour = true;
        s.colour = f.foreground().color().rgb() & 0xFFFFFFu;
    }
    const QVariant families = f.fontFamilies();
    if (families.isValid()) {
        const QStringList list = families.toStringList();
        if (!list.isEmpty()) s.fontName = list.first().toStdString();
    }
    return s;
}

// The text area's pixels (96 per inch) of an RTF twip (1/1440 inch), and back.
qreal PixelsOfTwips(int twips) {
    return twips / 15.0;
}
int TwipsOfPixels(qreal pixels) {
    return static_cast<int>(std::lround(pixels * 15.0));
}

}  // namespace

void FillTextDocument(QTextDocument& target, const RichDocument& source) {
    target.clear();
    QTextCursor cursor(&target);
    bool first = true;
    for (const RichParagraph& paragraph : source) {
        QTextBlockFormat block;
        block.setAlignment(AlignmentOf(paragraph.alignment));
        block.setTextIndent(PixelsOfTwips(paragraph.indents.firstLine));
        block.setLeftMargin(PixelsOfTwips(paragraph.indents.left));
        block.setRightMargin(PixelsOfTwips(paragraph.indents.right));
        if (first) {
            cursor.setBlockFormat(block);
            first = false;
        } else {
            cursor.insertBlock(block, QTextCharFormat());
        }
        for (const TextRun& run : paragraph.runs) {
            // A line break inside a paragraph stays inside it.
            QString text = QString::fromStdString(run.text);
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            cursor.insertText(text, CharFormatOf(run.style));
        }
    }
}

RichDocument RichDocumentOf(const QTextDocument& source) {
    RichDocument doc;
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        RichParagraph paragraph;
        const QTextBlockFormat format = block.blockFormat();
        paragraph.alignment = ParagraphAlignmentOf(format.alignment());
        paragraph.indents = {TwipsOfPixels(format.textIndent()), TwipsOfPixels(format.leftMargin()),
                             TwipsOfPixels(format.rightMargin())};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid()) continue;
            QString text = fragment.text();
            text.replace(QChar::LineSeparator, QLatin1Char('\n'));
            paragraph.runs.push_back({text.toStdString(), StyleOf(fragment.charFormat())});
        }
        doc.push_back(std::move(paragraph));
    }
    // An empty document is one empty block in Qt; the model has no paragraph then.
    if (doc.size() == 1 && doc.front().runs.empty() && source.isEmpty()) doc.clear();
    return doc;
}
