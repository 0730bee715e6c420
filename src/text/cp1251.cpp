// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/cp1251.h"

#include <algorithm>
#include <array>
#include <utility>

#include "text/utf8.h"

namespace {

// Code points of the bytes 0x80..0xFF.
const char32_t kHighHalf[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

}  // namespace

char32_t Cp1251ToCodePoint(unsigned char byte) {
    return byte < 0x80 ? static_cast<char32_t>(byte) : kHighHalf[byte - 0x80];
}

namespace {

// The inverse of kHighHalf, made once: the Cyrillic block U+0400..U+045F by index, the other
// code points of the upper half (quotes, dashes, the euro sign, "№") sorted for a binary search.
// Every character of a saved file passes through here: a scan of the 128 entries per character
// made writing long texts needlessly slow.
struct InverseTable {
    unsigned char cyrillic[0x60] = {};
    std::array<std::pair<char32_t, unsigned char>, 128> others{};
    std::size_t otherCount = 0;

    InverseTable() {
        for (int i = 0; i < 128; ++i) {
            const char32_t cp = kHighHalf[i];
            if (cp == 0xFFFD) continue;
            if (cp >= 0x400 && cp < 0x460)
                cyrillic[cp - 0x400] = static_cast<unsigned char>(0x80 + i);
            else
                others[otherCount++] = {cp, static_cast<unsigned char>(0x80 + i)};
        }
        std::sort(others.begin(), others.begin() + static_cast<std::ptrdiff_t>(otherCount));
    }
};

const InverseTable& Inverse() {
    static const InverseTable table;
    return table;
}

}  // namespace

int CodePointToCp1251(char32_t cp) {
    if (cp < 0x80) return static_cast<int>(cp);
    const InverseTable& t = Inverse();
    if (cp >= 0x400 && cp < 0x460) return t.cyrillic[cp - 0x400] ? t.cyrillic[cp - 0x400] : -1;
    const auto end = t.others.begin() + static_cast<std::ptrdiff_t>(t.otherCount);
    const auto it =
        std::lower_bound(t.others.begin(), end, std::make_pair(cp, static_cast<unsigned char>(0)));
    return it != end && it->first == cp ? it->second : -1;
}

std::string Utf8ToCp1251(const std::string& utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t cp = NextUtf8CodePoint(utf8, i);
        // A well-formed U+FFFD is what the unassigned byte 0x98 reads as: it goes back as that
        // byte, so a file opened and saved keeps it. Malformed UTF-8 (also read as U+FFFD, one
        // byte at a time) is a character the code page lacks.
        if (cp == 0xFFFD && i - start == 3) {
            out += '\x98';
            continue;
        }
        const int b = CodePointToCp1251(cp);
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::string Cp1251ToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) AppendUtf8CodePoint(out, Cp1251ToCodePoint(b));
    return out;
}
