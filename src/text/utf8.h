// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 encoding and decoding of single code points, shared by the code-page and RTF modules.
#include <cstddef>
#include <string>

// Decodes the code point at text[pos] and advances pos past it. A malformed or truncated
// sequence yields U+FFFD and advances by one byte, so a loop over the text always ends.
char32_t NextUtf8CodePoint(const std::string& text, std::size_t& pos);

// Appends the UTF-8 form of a code point; surrogates and values above U+10FFFF become U+FFFD.
void AppendUtf8CodePoint(std::string& out, char32_t cp);

// A value typed by the user as a message quotes it back: its first `letters` characters, "…"
// after them when it was longer, so that a megabyte field never fills an error line.
std::string QuotedBack(const std::string& text, std::size_t letters = 80);
