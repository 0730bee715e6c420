// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writes a rich-text document as RTF 1.x in code page 1251: a Cyrillic font table, a colour
// table, one \pard ... \par per paragraph, and character formatting in a group per run.
// Characters of the code page are written as \'hh, the others as \uN? (a "?" for old readers).
#include <string>

#include "text/rich_text.h"

// The font of text whose style names no font.
inline constexpr const char* kRtfDefaultFont = "Times New Roman";

// The complete RTF file, CR LF line ends, ASCII only.
std::string WriteRtf(const RichDocument& doc);
