// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_output.h"

#include <cstdio>

#include "text/cp1251.h"
#include "text/utf8.h"

namespace {

constexpr int kTitlePointSize = 14;

// The first character of a text that Windows-1251 lacks, described for a message.
std::optional<std::string> MissingCharacter(const std::string& utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t at = pos;
        const char32_t cp = NextUtf8CodePoint(utf8, pos);
        if (CodePointToCp1251(cp) < 0) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
            return "the character \"" + utf8.substr(at, pos - at) + "\" (" + code +
                   ") is not in Windows-1251";
        }
    }
    return std::nullopt;
}

}  // namespace

RichDocument PageToRichDocument(const PageSource& page) {
    RichDocument doc;
    RichParagraph title;
    title.alignment = ParagraphAlignment::Centre;
    TextStyle titleStyle;
    titleStyle.bold = true;
    titleStyle.pointSize = kTitlePointSize;
    title.runs.push_back(TextRun{page.title, titleStyle});
    doc.push_back(std::move(title));

    bool previousWasItem = false;
    for (const PageParagraph& p : page.paragraphs) {
        if (!(p.listItem && previousWasItem)) doc.emplace_back();  // the gap before a paragraph
        RichParagraph paragraph;
        paragraph.alignment = ParagraphAlignment::Justify;
        if (p.listItem) paragraph.runs.push_back(TextRun{"\xE2\x80\xA2 ", {}});
        for (const PageRun& run : p.runs) {
            TextStyle style;
            style.bold = run.bold;
            style.italic = run.italic;
            paragraph.runs.push_back(TextRun{run.text, style});
        }
        doc.push_back(std::move(paragraph));
        previousWasItem = p.listItem;
    }
    return doc;
}

std::optional<PageError> FirstCharacterOutsideCp1251(const PageSource& page) {
    if (const auto missing = MissingCharacter(page.title)) return PageError{1, *missing};
    for (const PageParagraph& p : page.paragraphs) {
        if (const auto missing = MissingCharacter(PlainParagraphText(p)))
            return PageError{p.line, *missing};
    }
    return std::nullopt;
}

PageTextResult PageToCp1251Text(const PageSource& page) {
    PageTextResult result;
    if ((result.error = FirstCharacterOutsideCp1251(page))) return result;
    std::string& out = result.bytes;
    out += Utf8ToCp1251(page.title) + "\r\n\r\n";
    for (const PageParagraph& p : page.paragraphs)
        out += Utf8ToCp1251(PlainParagraphText(p)) + "\r\n";
    return result;
}
