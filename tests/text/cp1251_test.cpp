// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/cp1251.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp1251, RoundTripOfRussianText) {
    const std::string text = "Ёлка, ёж и «Цзя» — №1";
    const std::string bytes = Utf8ToCp1251(text);
    EXPECT_EQ(bytes.size(), 21u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xA8);  // Ё
    EXPECT_EQ(Cp1251ToUtf8(bytes), text);
    EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1251("А")[0]), 0xC0);
    EXPECT_EQ(static_cast<unsigned char>(Utf8ToCp1251("я")[0]), 0xFF);
}

TEST(Cp1251, MissingCharactersAndMalformedInput) {
    EXPECT_EQ(Utf8ToCp1251("甲"), "?");
    EXPECT_EQ(Utf8ToCp1251(std::string("\xD0", 1)), "?");  // truncated sequence
    EXPECT_EQ(Cp1251ToUtf8(std::string("\x98", 1)), "\xEF\xBF\xBD");
    for (int b = 0; b < 256; ++b) {  // the unassigned 0x98 too: opening and saving keeps it
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << b;
    }
}

}  // namespace
