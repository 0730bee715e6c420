// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads RTF as common word processors write it (WordPad, Word, LibreOffice, our own writer) into
// the rich-text model: paragraphs, bold, italic, underline, font size, colour, font name and
// alignment. Everything else (pictures, tables' layout, styles, fields' instructions, document
// information) is skipped. Malformed input never fails: the reader returns what it could read.
#include <string>

#include "text/rich_text.h"

// Bytes of an RTF file -> document. \'hh bytes are taken in the code page the file names with
// \ansicpg (1251 when it names none or one we do not know; 1252 is known too), or in 1251 for
// fonts of the Cyrillic character set. Text is UTF-8 in the result; \line gives "\n", \tab "\t".
RichDocument ReadRtf(const std::string& bytes);
