// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A report as the report window shows it: paragraphs appended one by one, each in the text style
// in force when it was appended. Both reports (the interpretation of a geomantic table and the
// personal forecast) are built into this model by engine code; the window renders it, and the
// same model becomes RTF for a file.
#include <cstdint>
#include <string>
#include <vector>

#include "text/rich_text.h"

// The four styles of the reports. Each sets the attributes of the text appended after it:
//   StyleTitl  (title)      green 0,128,0, 12 pt, bold
//   StyleTitl2 (subtitle)   black, 10 pt, bold
//   StyleText  (body text)  black, size unchanged, regular
//   StyleRed   (red title)  dark red 128,0,0, 12 pt, bold
enum class ReportStyle { Titl, Titl2, Text, Red };

// The character attributes in force: what the styles set, accumulated (StyleText keeps the size
// of the style before it).
struct ReportFormat {
    std::uint32_t colour = 0x000000;  // 0xRRGGBB
    int pointSize = 0;                // 0: the base size of the report area
    bool bold = false;
    bool operator==(const ReportFormat& o) const {
        return colour == o.colour && pointSize == o.pointSize && bold == o.bold;
    }
};

// A paragraph with text; a blank paragraph (one space " "); an empty paragraph (no text). The
// reports use both separators where their rules say; on screen they look alike.
enum class ParagraphKind { Text, Blank, Empty };

struct ReportParagraph {
    ParagraphKind kind = ParagraphKind::Text;
    std::string text;                       // UTF-8; " " for a blank, "" for an empty paragraph
    ReportStyle style = ReportStyle::Text;  // the last style set before it
    ReportFormat format;                    // the attributes it was appended with
};

// The font of the report area and of saved reports.
inline constexpr const char* kReportFontName = "MS Sans Serif";

class ReportDocument {
public:
    void StyleTitl() { SetStyle(ReportStyle::Titl); }
    void StyleTitl2() { SetStyle(ReportStyle::Titl2); }
    void StyleText() { SetStyle(ReportStyle::Text); }
    void StyleRed() { SetStyle(ReportStyle::Red); }
    void SetStyle(ReportStyle style);

    // A paragraph of text at the end, in the style in force.
    void Append(std::string text);
    // A paragraph holding one space.
    void AppendBlank();
    // A paragraph with no text.
    void AppendEmpty();
    // An empty paragraph before the first one (the frame of every report ends with it).
    void InsertEmptyAtTop();

    const std::vector<ReportParagraph>& Paragraphs() const { return paragraphs_; }
    ReportStyle CurrentStyle() const { return style_; }
    const ReportFormat& CurrentFormat() const { return format_; }

private:
    void Add(ParagraphKind kind, std::string text);

    std::vector<ReportParagraph> paragraphs_;
    ReportStyle style_ = ReportStyle::Text;
    ReportFormat format_;
};

// The attributes a style sets on top of `current` (StyleText keeps current's size).
ReportFormat ApplyStyle(ReportStyle style, const ReportFormat& current);

// The report as rich text: one paragraph per report paragraph, its text in the report font with
// the attributes it was appended with (an empty paragraph has no run).
RichDocument ToRichDocument(const ReportDocument& report);

// "Titl", "Titl2", "Text", "Red".
const char* StyleName(ReportStyle style);
// One line per paragraph: the style name, a tab, then the text; "(blank)" and "(empty)" stand for
// the two separators. Used for golden files and the command line.
std::string DescribeReport(const ReportDocument& report);
