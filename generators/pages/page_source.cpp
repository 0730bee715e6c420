// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_source.h"

#include "text/utf8.h"

namespace {

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.rfind(prefix, 0) == 0;
}

// The first problem of a line's characters: bytes that are not UTF-8, or a control character.
std::optional<std::string> CharacterProblem(const std::string& line) {
    for (std::size_t pos = 0; pos < line.size();) {
        const std::size_t at = pos;
        const char32_t cp = NextUtf8CodePoint(line, pos);
        if (cp == 0xFFFD && line.compare(at, 3, "\xEF\xBF\xBD") != 0)
            return "the line is not valid UTF-8 text";
        if (cp < 0x20 && cp != '\t') return "the line holds a control character";
    }
    return std::nullopt;
}

// Markup the format does not have; a reason, or nothing when the line is plain text.
std::optional<std::string> ForeignMarkup(const std::string& line) {
    if (StartsWith(line, "#")) return "only line 1 may be a heading (\"# \" + title)";
    if (StartsWith(line, "|")) return "tables are not part of the page format";
    if (StartsWith(line, ">")) return "quotations (\">\") are not part of the page format";
    if (StartsWith(line, "```")) return "code blocks are not part of the page format";
    if (line.find("](") != std::string::npos) return "links are not part of the page format";
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const char next = line[i + 1];
        if (line[i] == '<' && (next == '/' || next == '!' || (next >= 'a' && next <= 'z') ||
                               (next >= 'A' && next <= 'Z')))
            return "HTML is not part of the page format";
    }
    return std::nullopt;
}

// Splits joined paragraph text at ** and * into styled runs; false when a marker is left open.
bool SplitInline(const std::string& text, std::vector<PageRun>& runs, std::string& unclosed) {
    bool bold = false;
    bool italic = false;
    std::string current;
    const auto flush = [&] {
        if (!current.empty()) runs.push_back(PageRun{current, bold, italic});
        current.clear();
    };
    for (std::size_t i = 0; i < text.size();) {
        if (text.compare(i, 2, "**") == 0) {
            flush();
            bold = !bold;
            i += 2;
        } else if (text[i] == '*') {
            flush();
            italic = !italic;
            ++i;
        } else {
            current += text[i++];
        }
    }
    flush();
    if (bold)
        unclosed = "**";
    else if (italic)
        unclosed = "*";
    return !bold && !italic;
}

struct PendingParagraph {
    std::string text;
    bool listItem = false;
    int line = 0;
};

}  // namespace

PageParseResult ParsePageSource(const std::string& utf8) {
    PageParseResult result;
    const auto fail = [&](int line, std::string message) {
        result.error = PageError{line, std::move(message)};
        return result;
    };

    std::vector<std::string> lines;
    std::size_t start = StartsWith(utf8, "\xEF\xBB\xBF") ? 3 : 0;  // a byte-order mark is harmless
    while (start <= utf8.size()) {
        std::size_t end = utf8.find('\n', start);
        if (end == std::string::npos) end = utf8.size();
        std::string line = utf8.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }

    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (const auto problem = CharacterProblem(lines[i]))
            return fail(static_cast<int>(i + 1), *problem);
    }
    if (!StartsWith(lines[0], "# ") || Trimmed(lines[0].substr(2)).empty())
        return fail(1, "the page must begin with a title line: \"# \" followed by the title");
    result.page.title = Trimmed(lines[0].substr(2));

    std::vector<PendingParagraph> pending;
    bool open = false;  // the last paragraph may still take lines
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        const std::string line = Trimmed(lines[i]);
        if (line.empty()) {
            open = false;
            continue;
        }
        if (const auto markup = ForeignMarkup(line)) return fail(lineNo, *markup);
        if (line == "-" || StartsWith(line, "- ")) {
            const std::string item = Trimmed(line.substr(1));
            if (item.empty()) return fail(lineNo, "an empty list item");
            pending.push_back(PendingParagraph{item, true, lineNo});
            open = true;
        } else if (open) {
            pending.back().text += ' ' + line;
        } else {
            pending.push_back(PendingParagraph{line, false, lineNo});
            open = true;
        }
    }
    if (pending.empty()) return fail(static_cast<int>(lines.size()), "the page has no paragraphs");

    for (const PendingParagraph& p : pending) {
        PageParagraph paragraph;
        paragraph.listItem = p.listItem;
        paragraph.line = p.line;
        std::string unclosed;
        if (!SplitInline(p.text, paragraph.runs, unclosed))
            return fail(p.line, "the paragraph starting here leaves " + unclosed + " unclosed");
        if (paragraph.runs.empty()) return fail(p.line, "the paragraph holds only markup");
        result.page.paragraphs.push_back(std::move(paragraph));
    }
    return result;
}

std::string PlainParagraphText(const PageParagraph& paragraph) {
    std::string text = paragraph.listItem ? "\xE2\x80\xA2 " : "";
    for (const PageRun& run : paragraph.runs) text += run.text;
    return text;
}
