// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The source form of a descriptive page: UTF-8 text with a "# " title on line 1, paragraphs
// separated by an empty line, "- " list items, and inline **bold** and *italic*.
#include <optional>
#include <string>
#include <vector>

struct PageRun {
    std::string text;  // UTF-8
    bool bold = false;
    bool italic = false;
};

struct PageParagraph {
    std::vector<PageRun> runs;
    bool listItem = false;
    int line = 0;  // line of the source where the paragraph starts (1-based)
};

struct PageSource {
    std::string title;
    std::vector<PageParagraph> paragraphs;
};

// A mistake in a page source, with the line it was found on (1-based).
struct PageError {
    int line = 0;
    std::string message;
};

struct PageParseResult {
    PageSource page;
    std::optional<PageError> error;
};

// Reads a page source. Anything outside the format (no title, a second heading, a table, a
// link, HTML, an unclosed ** or *, a control character, bytes that are not UTF-8, no paragraph
// at all) is an error naming the line.
PageParseResult ParsePageSource(const std::string& utf8);

// The plain text of a paragraph: its runs joined, with "• " before a list item.
std::string PlainParagraphText(const PageParagraph& paragraph);
