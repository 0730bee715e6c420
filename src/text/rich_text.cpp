// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rich_text.h"

#include <cstdio>

std::string ParagraphText(const RichParagraph& paragraph) {
    std::string text;
    for (const TextRun& run : paragraph.runs) text += run.text;
    return text;
}

RichDocument NormalisedDocument(const RichDocument& doc) {
    RichDocument out;
    out.reserve(doc.size());
    for (const RichParagraph& p : doc) {
        RichParagraph q;
        q.alignment = p.alignment;
        q.indents = p.indents;
        for (const TextRun& run : p.runs) {
            if (run.text.empty()) continue;
            if (!q.runs.empty() && q.runs.back().style == run.style)
                q.runs.back().text += run.text;
            else
                q.runs.push_back(run);
        }
        out.push_back(std::move(q));
    }
    return out;
}

bool SameDocument(const RichDocument& a, const RichDocument& b) {
    const RichDocument na = NormalisedDocument(a);
    const RichDocument nb = NormalisedDocument(b);
    if (na.size() != nb.size()) return false;
    for (std::size_t i = 0; i < na.size(); ++i) {
        if (na[i].alignment != nb[i].alignment || !(na[i].indents == nb[i].indents) ||
            na[i].runs.size() != nb[i].runs.size())
            return false;
        for (std::size_t k = 0; k < na[i].runs.size(); ++k) {
            if (na[i].runs[k].text != nb[i].runs[k].text ||
                !(na[i].runs[k].style == nb[i].runs[k].style))
                return false;
        }
    }
    return true;
}

std::string DescribeDocument(const RichDocument& doc) {
    static const char* const kAlign[] = {"left", "centre", "right", "justify"};
    std::string out;
    for (const RichParagraph& p : doc) {
        out += "[";
        out += kAlign[static_cast<int>(p.alignment)];
        if (!(p.indents == ParagraphIndents{}))
            out += " fi" + std::to_string(p.indents.firstLine) + " li" +
                   std::to_string(p.indents.left) + " ri" + std::to_string(p.indents.right);
        out += "]";
        for (const TextRun& run : p.runs) {
            const TextStyle& s = run.style;
            out += " {";
            if (s.bold) out += "b ";
            if (s.italic) out += "i ";
            if (s.underline) out += "u ";
            if (s.pointSize) out += std::to_string(s.pointSize) + "pt ";
            if (s.hasColour) {
                char hex[16];
                std::snprintf(hex, sizeof hex, "#%06X ",
                              static_cast<unsigned>(s.colour & 0xFFFFFF));
                out += hex;
            }
            if (!s.fontName.empty()) out += "'" + s.fontName + "' ";
            out += "\"" + run.text + "\"}";
        }
        out += "\n";
    }
    return out;
}
