// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a page source becomes beside the executable: a rich-text document for the ".rtf" pages
// and Windows-1251 text lines for the ".txt" forecast pages.
#include <optional>
#include <string>

#include "page_source.h"
#include "text/rich_text.h"

// Title centred, bold and larger; body paragraphs justified, with an empty paragraph between
// them (none between consecutive list items); list items begin with "• ".
RichDocument PageToRichDocument(const PageSource& page);

// Windows-1251 bytes, CR LF after every line: the title, an empty line, one line per paragraph.
// A character the code page lacks is an error naming the line of its paragraph.
struct PageTextResult {
    std::string bytes;
    std::optional<PageError> error;
};
PageTextResult PageToCp1251Text(const PageSource& page);

// The first character of the page that Windows-1251 lacks, as an error; nothing when all fit.
std::optional<PageError> FirstCharacterOutsideCp1251(const PageSource& page);
