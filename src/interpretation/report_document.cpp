// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/report_document.h"

namespace {

constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kDarkRed = 0x800000;
constexpr std::uint32_t kBlackColour = 0x000000;

}  // namespace

ReportFormat ApplyStyle(ReportStyle style, const ReportFormat& current) {
    switch (style) {
        case ReportStyle::Titl: return {kGreen, 12, true};
        case ReportStyle::Titl2: return {kBlackColour, 10, true};
        case ReportStyle::Red: return {kDarkRed, 12, true};
        case ReportStyle::Text: break;
    }
    return {kBlackColour, current.pointSize, false};
}

void ReportDocument::SetStyle(ReportStyle style) {
    style_ = style;
    format_ = ApplyStyle(style, format_);
}

void ReportDocument::Append(std::string text) {
    Add(ParagraphKind::Text, std::move(text));
}

void ReportDocument::AppendBlank() {
    Add(ParagraphKind::Blank, " ");
}

void ReportDocument::AppendEmpty() {
    Add(ParagraphKind::Empty, "");
}

void ReportDocument::InsertEmptyAtTop() {
    ReportParagraph p;
    p.kind = ParagraphKind::Empty;
    p.style = style_;
    p.format = format_;
    paragraphs_.insert(paragraphs_.begin(), std::move(p));
}

void ReportDocument::Add(ParagraphKind kind, std::string text) {
    ReportParagraph p;
    p.kind = kind;
    p.text = std::move(text);
    p.style = style_;
    p.format = format_;
    paragraphs_.push_back(std::move(p));
}

RichDocument ToRichDocument(const ReportDocument& report) {
    RichDocument doc;
    doc.reserve(report.Paragraphs().size());
    for (const ReportParagraph& p : report.Paragraphs()) {
        RichParagraph paragraph;
        if (!p.text.empty()) {
            TextStyle style;
            style.bold = p.format.bold;
            style.pointSize = p.format.pointSize;
            style.colour = p.format.colour;
            style.hasColour = true;
            style.fontName = kReportFontName;
            paragraph.runs.push_back({p.text, style});
        }
        doc.push_back(std::move(paragraph));
    }
    return doc;
}

const char* StyleName(ReportStyle style) {
    switch (style) {
        case ReportStyle::Titl: return "Titl";
        case ReportStyle::Titl2: return "Titl2";
        case ReportStyle::Red: return "Red";
        case ReportStyle::Text: break;
    }
    return "Text";
}

std::string DescribeReport(const ReportDocument& report) {
    std::string out;
    for (const ReportParagraph& p : report.Paragraphs()) {
        out += StyleName(p.style);
        out += '\t';
        switch (p.kind) {
            case ParagraphKind::Blank: out += "(blank)"; break;
            case ParagraphKind::Empty: out += "(empty)"; break;
            case ParagraphKind::Text: out += p.text; break;
        }
        out += '\n';
    }
    return out;
}
