// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every fuzz target checks beside "no crash": a failed property aborts with a message, so
// libFuzzer keeps the input that broke it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no surrogates, at most
// U+10FFFF.
inline bool IsValidUtf8(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t extra;
        char32_t cp;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if ((b & 0xE0) == 0xC0) {
            extra = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            cp = b & 0x07;
        } else
            return false;
        if (i + extra >= s.size()) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        static const char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
        if (cp < kLeast[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

// The input cut at the first `count` separators: up to count + 1 parts.
inline std::vector<std::string> SplitFields(const std::string& input, char separator, int count) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (int k = 0; k < count; ++k) {
        const std::size_t at = input.find(separator, start);
        if (at == std::string::npos) break;
        parts.push_back(input.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(input.substr(start));
    return parts;
}
