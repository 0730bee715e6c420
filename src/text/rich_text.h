// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small rich-text model shared by the RTF reader and writer, the page generator and the
// windows: paragraphs of styled runs. Text is UTF-8.
#include <cstdint>
#include <string>
#include <vector>

struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int pointSize = 0;         // 0: the reader's default size
    std::uint32_t colour = 0;  // 0xRRGGBB
    bool hasColour = false;    // false: the default (black) text colour
    std::string fontName;      // "": the default font
    bool operator==(const TextStyle& o) const {
        return bold == o.bold && italic == o.italic && underline == o.underline &&
               pointSize == o.pointSize && hasColour == o.hasColour &&
               (!hasColour || colour == o.colour) && fontName == o.fontName;
    }
};

struct TextRun {
    std::string text;
    TextStyle style;
};

enum class ParagraphAlignment { Left, Centre, Right, Justify };

// Paragraph indents in twips (1/20 point), as RTF keeps them (\fi, \li, \ri).
struct ParagraphIndents {
    int firstLine = 0;  // relative to the left indent; negative hangs
    int left = 0;
    int right = 0;
    bool operator==(const ParagraphIndents& o) const {
        return firstLine == o.firstLine && left == o.left && right == o.right;
    }
};

struct RichParagraph {
    std::vector<TextRun> runs;
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    ParagraphIndents indents{};
};

using RichDocument = std::vector<RichParagraph>;

// The plain text of a paragraph: its runs joined.
std::string ParagraphText(const RichParagraph& paragraph);
// The same document with empty runs dropped and neighbouring runs of equal style merged.
RichDocument NormalisedDocument(const RichDocument& doc);
// True when both documents have the same paragraphs, alignments, text and styles, however their
// runs happen to be split.
bool SameDocument(const RichDocument& a, const RichDocument& b);
// A readable dump (one line per paragraph, styles in brackets), for test failure messages.
std::string DescribeDocument(const RichDocument& doc);
