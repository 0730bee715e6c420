// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts compared with checked-in golden files (UTF-8, byte for byte). Set GAVROSIN_UPDATE_GOLDEN=1
// to rewrite the files after a deliberate change, and read the difference before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

// `relativePath` from the source folder, e.g. "tests/person/golden/report_ivan_2004.txt".
inline std::string GoldenPath(const std::string& relativePath) {
    return std::string(GAVROSIN_SOURCE_DIR) + "/" + relativePath;
}

// The file's bytes; "" when it is missing.
inline std::string GoldenText(const std::string& relativePath) {
    std::ifstream in(GoldenPath(relativePath), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void ExpectGoldenText(const std::string& actual, const std::string& relativePath) {
    const std::string path = GoldenPath(relativePath);
    if (const char* update = std::getenv("GAVROSIN_UPDATE_GOLDEN"); update && *update == '1') {
        std::ofstream(path, std::ios::binary) << actual;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing golden file " << path;
    std::stringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str()) << "text differs from " << path;
}
