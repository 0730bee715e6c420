// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Windows-1251, the single-byte code page of the person and table files, the notes file, the
// forecast texts and the RTF pages. Conversion to and from UTF-8.
#include <string>

// UTF-8 -> Windows-1251. A character the code page lacks becomes '?'; U+FFFD becomes 0x98, the
// byte it is read from.
std::string Utf8ToCp1251(const std::string& utf8);
// Windows-1251 -> UTF-8. The one unassigned byte (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(const std::string& bytes);
// The Unicode code point of one Windows-1251 byte (0xFFFD for the unassigned byte).
char32_t Cp1251ToCodePoint(unsigned char byte);
// The Windows-1251 byte of a code point, or -1 when the code page lacks it.
int CodePointToCp1251(char32_t cp);
