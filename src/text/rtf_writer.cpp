// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rtf_writer.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "text/cp1251.h"
#include "text/utf8.h"

namespace {

void AppendHexByte(std::string& out, int byte) {
    static const char kHex[] = "0123456789abcdef";
    const char escape[] = {'\\', '\'', kHex[(byte >> 4) & 0xF], kHex[byte & 0xF]};
    out.append(escape, sizeof escape);
}

// The ASCII characters that stand for themselves in a text: printable, and neither a backslash
// nor a brace.
constexpr std::array<bool, 256> MakePlainAscii() {
    std::array<bool, 256> plain{};
    for (int b = 0x20; b < 0x7F; ++b) plain[b] = b != '\\' && b != '{' && b != '}';
    return plain;
}
constexpr std::array<bool, 256> kPlainAscii = MakePlainAscii();

void AppendUnicodeEscape(std::string& out, char32_t unit) {
    // \uN takes a signed 16-bit number; "?" is the one character a reader without Unicode shows.
    const long n = unit > 0x7FFF ? static_cast<long>(unit) - 0x10000 : static_cast<long>(unit);
    out += "\\u" + std::to_string(n) + "?";
}

// The code-page byte of each two-byte character U+0400..U+047F, -1 where the code page lacks it.
std::array<short, 128> MakeCyrillicBytes() {
    std::array<short, 128> bytes{};
    for (int k = 0; k < 128; ++k) bytes[k] = static_cast<short>(CodePointToCp1251(0x400 + k));
    return bytes;
}

// Escapes the Cyrillic letters at utf8[pos] as \'hh; how many there were.
std::size_t AppendCyrillic(std::string& out, const std::string& utf8, std::size_t pos) {
    static const std::array<short, 128> kTable = MakeCyrillicBytes();
    const short* bytes = kTable.data();
    static const char kHex[] = "0123456789abcdef";
    constexpr std::size_t kBuffer = 256;
    char buffer[kBuffer];
    std::size_t used = 0;
    std::size_t letters = 0;
    const auto* in = reinterpret_cast<const unsigned char*>(utf8.data());
    for (std::size_t at = pos; at + 1 < utf8.size(); at += 2) {
        const unsigned lead = in[at] - 0xD0u;
        if (lead > 1 || (in[at + 1] & 0xC0) != 0x80) break;
        const int byte = bytes[lead * 64 + (in[at + 1] & 0x3F)];
        if (byte < 0) break;
        if (used + 4 > kBuffer) {
            out.append(buffer, used);
            used = 0;
        }
        buffer[used] = '\\';
        buffer[used + 1] = '\'';
        buffer[used + 2] = kHex[byte >> 4];
        buffer[used + 3] = kHex[byte & 0xF];
        used += 4;
        ++letters;
    }
    out.append(buffer, used);
    return letters;
}

// Escapes UTF-8 text for the body of an RTF file, or for a font's name in the font table, where
// a ';' as it stands would end the name.
void AppendEscapedText(std::string& out, const std::string& utf8, bool fontName = false) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        // Plain ASCII is copied a stretch at a time.
        std::size_t plain = pos;
        while (plain < utf8.size() && kPlainAscii[static_cast<unsigned char>(utf8[plain])] &&
               !(fontName && utf8[plain] == ';'))
            ++plain;
        if (plain > pos) {
            out.append(utf8, pos, plain - pos);
            pos = plain;
            continue;
        }
        // Cyrillic letters (two bytes, U+0400..U+047F) go straight to their code-page bytes, a
        // stretch at a time.
        if (const std::size_t letters = AppendCyrillic(out, utf8, pos)) {
            pos += 2 * letters;
            continue;
        }
        const char32_t cp = NextUtf8CodePoint(utf8, pos);
        if (fontName && cp == ';') {
            AppendHexByte(out, ';');
        } else if (cp == '\\' || cp == '{' || cp == '}') {
            out += '\\';
            out += static_cast<char>(cp);
        } else if (cp == '\n') {
            out += "\\line ";
        } else if (cp == '\t') {
            out += "\\tab ";
        } else if (cp == 0x00A0) {
            out += "\\~";
        } else if (cp == 0x00AD) {
            out += "\\-";
        } else if (cp < 0x20) {
            // other control characters have no place in a page
        } else if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (const int byte = CodePointToCp1251(cp); byte >= 0) {
            AppendHexByte(out, byte);
        } else if (cp > 0xFFFF) {
            const char32_t v = cp - 0x10000;
            AppendUnicodeEscape(out, 0xD800 + (v >> 10));
            AppendUnicodeEscape(out, 0xDC00 + (v & 0x3FF));
        } else {
            AppendUnicodeEscape(out, cp);
        }
    }
}

template <typename T>
int IndexOf(const std::vector<T>& list, const T& value) {
    const auto it = std::find(list.begin(), list.end(), value);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

struct Tables {
    std::vector<std::string> fonts;      // font k + 1 of the table (font 0 is the default)
    std::vector<std::uint32_t> colours;  // colour k + 1 of the table (colour 0 is "auto")
};

Tables CollectTables(const RichDocument& doc) {
    Tables t;
    for (const RichParagraph& p : doc) {
        for (const TextRun& run : p.runs) {
            if (!run.style.fontName.empty() && IndexOf(t.fonts, run.style.fontName) < 0)
                t.fonts.push_back(run.style.fontName);
            const std::uint32_t colour = run.style.colour & 0xFFFFFF;
            if (run.style.hasColour && IndexOf(t.colours, colour) < 0) t.colours.push_back(colour);
        }
    }
    return t;
}

void AppendHeader(std::string& out, const Tables& t) {
    out += "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049";
    out += "{\\fonttbl{\\f0\\froman\\fcharset204 ";
    out += kRtfDefaultFont;
    out += ";}";
    for (std::size_t k = 0; k < t.fonts.size(); ++k) {
        out += "{\\f" + std::to_string(k + 1) + "\\fnil\\fcharset204 ";
        AppendEscapedText(out, t.fonts[k], true);
        out += ";}";
    }
    out += "}\r\n{\\colortbl ;";
    for (std::uint32_t c : t.colours) {
        out += "\\red" + std::to_string((c >> 16) & 0xFF) + "\\green" +
               std::to_string((c >> 8) & 0xFF) + "\\blue" + std::to_string(c & 0xFF) + ";";
    }
    out += "}\r\n\\viewkind4\\uc1\r\n";
}

// The control words of a run's style; empty for the default style.
std::string StyleWords(const TextStyle& s, const Tables& t) {
    std::string words;
    if (s.bold) words += "\\b";
    if (s.italic) words += "\\i";
    if (s.underline) words += "\\ul";
    if (s.pointSize > 0) words += "\\fs" + std::to_string(std::min(s.pointSize, 1638) * 2);
    if (s.hasColour) words += "\\cf" + std::to_string(IndexOf(t.colours, s.colour & 0xFFFFFF) + 1);
    if (!s.fontName.empty()) words += "\\f" + std::to_string(IndexOf(t.fonts, s.fontName) + 1);
    return words;
}

const char* AlignmentWord(ParagraphAlignment a) {
    switch (a) {
        case ParagraphAlignment::Centre: return "\\qc";
        case ParagraphAlignment::Right: return "\\qr";
        case ParagraphAlignment::Justify: return "\\qj";
        case ParagraphAlignment::Left: break;
    }
    return "\\ql";
}

}  // namespace

std::string WriteRtf(const RichDocument& doc) {
    const Tables tables = CollectTables(doc);
    std::string out;
    AppendHeader(out, tables);
    for (const RichParagraph& p : doc) {
        out += "\\pard";
        out += AlignmentWord(p.alignment);
        if (p.indents.firstLine) out += "\\fi" + std::to_string(p.indents.firstLine);
        if (p.indents.left) out += "\\li" + std::to_string(p.indents.left);
        if (p.indents.right) out += "\\ri" + std::to_string(p.indents.right);
        out += ' ';
        for (const TextRun& run : p.runs) {
            if (run.text.empty()) continue;
            const std::string words = StyleWords(run.style, tables);
            if (words.empty()) {
                AppendEscapedText(out, run.text);
            } else {
                out += '{' + words + ' ';
                AppendEscapedText(out, run.text);
                out += '}';
            }
        }
        out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}
