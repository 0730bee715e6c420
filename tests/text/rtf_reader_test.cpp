// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rtf_reader.h"

#include <gtest/gtest.h>

namespace {

// Written the way WordPad writes a Russian document: code page 1251 bytes, a generator
// destination, \pard with spacing words we do not use, styles switched on and off in place.
const char kWordPadSample[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\nouicompat\\deflang1049"
    "{\\fonttbl{\\f0\\fnil\\fcharset204 Calibri;}{\\f1\\fswiss\\fcharset204 Arial;}}\r\n"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green77\\blue187;}\r\n"
    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qc\\b\\f0\\fs28\\'cf\\'ff\\'f2\\'b8\\'f0\\'ea\\'e0"
    " \\'e6\\'b8\\'eb\\'f2\\'e0\\'ff\\b0\\fs22\\par\r\n"
    "\\pard\\sa200\\sl276\\slmult1\\qj\\'c7\\'e2\\'e5\\'e7\\'e4\\'e0 \\i\\'f6\\'e5\\'ed\\'f2"
    "\\'f0\\'e0\\i0 , \\cf1\\ul\\'ea\\'f0\\'e0\\'f1\\'ed\\'e0\\'ff\\ulnone\\cf0  "
    "\\f1\\'ed\\'e0\\'ea\\'ee\\'ed\\'e5\\'f6\\f0 .\\par\r\n"
    "}\r\n";

// Written the way LibreOffice writes: \u with a one-byte fallback, a stylesheet and document
// information to skip, text in nested groups, a hyperlink field.
const char kLibreOfficeSample[] =
    "{\\rtf1\\ansi\\deff3\\adeflang1025\r\n"
    "{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}{\\f3\\froman\\fprq2\\fcharset0"
    " Liberation Serif{\\*\\falt Times New Roman};}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue128;}\r\n"
    "{\\stylesheet{\\s0\\snext0\\ql Normal;}{\\s1 Heading 1;}}\r\n"
    "{\\info{\\creatim\\yr2024\\mo1\\dy2}{\\author Someone}}{\\*\\pgdsctbl{\\pgdsc0 Default;}}\r\n"
    "\\pard\\plain \\s0\\ql{\\rtlch \\ltrch\\loch\\fs24\\b \\u1059\\'3f\\u1089\\'3f\\u1090\\'3f"
    "\\u1072\\'3f\\u1085\\'3f\\u1086\\'3f\\u1074\\'3f\\u1083\\'3f\\u1077\\'3f\\u1085\\'3f"
    "\\u1080\\'3f\\u1077\\'3f}\\par"
    "\\pard\\plain \\s0\\qr{\\rtlch \\ltrch\\loch \\u1062\\'3f\\u1079\\'3f\\u1103\\'3f "
    "{\\field{\\*\\fldinst HYPERLINK \"http://example.org\"}{\\fldrslt {\\cf2\\ul link}}}"
    "{\\*\\bkmkstart x}}\\par}";

TEST(RtfReader, ReadsWordPadStyleDocument) {
    const RichDocument doc = ReadRtf(kWordPadSample);
    ASSERT_EQ(doc.size(), 2u) << DescribeDocument(doc);
    EXPECT_EQ(doc[0].alignment, ParagraphAlignment::Centre);
    ASSERT_EQ(doc[0].runs.size(), 1u) << DescribeDocument(doc);
    EXPECT_EQ(doc[0].runs[0].text, "Пятёрка жёлтая");
    EXPECT_TRUE(doc[0].runs[0].style.bold);
    EXPECT_EQ(doc[0].runs[0].style.pointSize, 14);

    EXPECT_EQ(doc[1].alignment, ParagraphAlignment::Justify);
    EXPECT_EQ(ParagraphText(doc[1]), "Звезда центра, красная наконец.");
    const auto& runs = doc[1].runs;
    ASSERT_EQ(runs.size(), 7u) << DescribeDocument(doc);
    EXPECT_EQ(runs[1].text, "центра");
    EXPECT_TRUE(runs[1].style.italic);
    EXPECT_FALSE(runs[1].style.bold);
    EXPECT_EQ(runs[1].style.pointSize, 11);
    EXPECT_EQ(runs[3].text, "красная");
    EXPECT_TRUE(runs[3].style.underline);
    EXPECT_TRUE(runs[3].style.hasColour);
    EXPECT_EQ(runs[3].style.colour, 0xFF0000u);
    EXPECT_EQ(runs[4].text, " ");
    EXPECT_FALSE(runs[4].style.hasColour);
    EXPECT_EQ(runs[5].text, "наконец");
    EXPECT_EQ(runs[5].style.fontName, "Arial");
    EXPECT_EQ(runs[6].text, ".");  // back in the default font, which has no name of its own
    EXPECT_EQ(runs[6].style.fontName, "");
}

TEST(RtfReader, NamesNonDefaultFonts) {
    const RichDocument doc = ReadRtf(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Times New Roman;}}"
        "a{\\f1 b}{\\f0 c}{\\f7 d}\\par}");
    ASSERT_EQ(doc.size(), 1u);
    const RichDocument expected = {{{{"a", {}},
                                     {"b",
                                      [] {
                                          TextStyle s;
                                          s.fontName = "Times New Roman";
                                          return s;
                                      }()},
                                     {"cd", {}}},
                                    ParagraphAlignment::Left,
                                    {}}};
    EXPECT_TRUE(SameDocument(doc, expected)) << DescribeDocument(doc);
}

TEST(RtfReader, ReadsLibreOfficeStyleDocument) {
    const RichDocument doc = ReadRtf(kLibreOfficeSample);
    ASSERT_EQ(doc.size(), 2u) << DescribeDocument(doc);
    EXPECT_EQ(ParagraphText(doc[0]), "Установление");
    EXPECT_TRUE(doc[0].runs[0].style.bold);
    EXPECT_EQ(doc[0].runs[0].style.pointSize, 12);
    EXPECT_EQ(doc[1].alignment, ParagraphAlignment::Right);
    EXPECT_EQ(ParagraphText(doc[1]), "Цзя link");
    EXPECT_TRUE(doc[1].runs.back().style.underline);
    EXPECT_EQ(doc[1].runs.back().style.colour, 0x000080u);
}

struct CharacterCase {
    const char* name;
    std::string body;      // placed inside {\rtf1\ansi ... \par}
    std::string expected;  // UTF-8 text of the single paragraph
};

class RtfReaderCharacters : public testing::TestWithParam<CharacterCase> {};

TEST_P(RtfReaderCharacters, DecodesToUtf8) {
    const RichDocument doc = ReadRtf("{\\rtf1\\ansi " + GetParam().body + "\\par}");
    ASSERT_EQ(doc.size(), 1u) << DescribeDocument(doc);
    EXPECT_EQ(ParagraphText(doc[0]), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, RtfReaderCharacters,
    testing::Values(
        CharacterCase{"Cp1251ByDefault", "\\'c3\\'FD\\'ed \\'b9", "Гэн №"},
        CharacterCase{"Cp1251Named", "\\ansicpg1251\\'e8", "и"},
        CharacterCase{"Cp1252Named", "\\ansicpg1252\\'e8\\'80", "è€"},
        CharacterCase{"CyrillicFontOverridesCp1252",
                      "\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial;}}\\f0\\'e8", "и"},
        CharacterCase{"RawHighBytes", "\xC4\xF3\xE9", "Дуй"},
        CharacterCase{"UnicodeWithFallback", "\\u1050?\\u1072?\\u1085?\\u1100?", "Кань"},
        CharacterCase{"NegativeUnicode", "\\u-1279?", "\xEF\xAC\x81"},
        CharacterCase{"SurrogatePair", "\\u-10179?\\u-8704?", "😀"},
        CharacterCase{"SkipCountTwo", "\\uc2\\u1044\\'c4\\'c4\\u1091??", "Ду"},
        CharacterCase{"SkipCountZero", "\\uc0\\u1048 x", "Иx"},
        CharacterCase{"SkipCountIsScoped", "{\\uc3\\u1048 abcd}\\u1049?e", "ИdЙe"},
        CharacterCase{"FallbackEndsAtBrace", "\\uc4\\u1048 a{b}", "Иb"},
        CharacterCase{"SymbolsAndNamedCharacters",
                      "a\\line b\\tab c\\~d\\-e\\emdash\\endash\\bullet\\ldblquote\\rdblquote",
                      "a\nb\tc\xC2\xA0"
                      "d\xC2\xAD"
                      "e—–•“”"},
        CharacterCase{"EscapedDelimiters", "\\{\\}\\\\", "{}\\"},
        CharacterCase{"DelimiterSpaceConsumedOnce", "\\b  x\\b0", " x"},
        CharacterCase{"LineBreaksInSourceIgnored", "a\r\nb\nc", "abc"},
        CharacterCase{"BinaryDataSkipped", "a\\bin3 {}\\b", "ab"},
        CharacterCase{"IgnorableDestinationSkipped",
                      "a{\\*\\unknown xyz}b{\\pict\\wmetafile8 0102}c", "abc"},
        CharacterCase{"UnknownWordsIgnored", "\\lang1049\\kerning2\\frobnicate12 x", "x"}),
    [](const testing::TestParamInfo<CharacterCase>& info) { return std::string(info.param.name); });

TEST(RtfReader, GroupsRestoreStylesAndPlainResets) {
    const RichDocument doc = ReadRtf(
        "{\\rtf1{\\colortbl;\\red1\\green2\\blue3;}\\b a{\\i\\cf1\\fs40 b}c\\plain d"
        "\\b\\ul e\\ul0 f\\b0 g\\par}");
    ASSERT_EQ(doc.size(), 1u);
    TextStyle b;
    b.bold = true;
    TextStyle bi = b;
    bi.italic = true;
    bi.pointSize = 20;
    bi.hasColour = true;
    bi.colour = 0x010203;
    TextStyle bu = b;
    bu.underline = true;
    const RichDocument expected = {
        {{{"a", b}, {"b", bi}, {"c", b}, {"d", {}}, {"e", bu}, {"f", b}, {"g", {}}},
         ParagraphAlignment::Left,
         {}}};
    EXPECT_TRUE(SameDocument(doc, expected)) << DescribeDocument(doc);
}

TEST(RtfReader, ParagraphBoundariesAndAlignment) {
    // \pard resets the alignment; \par closes a paragraph even when it is empty; text after the
    // last \par is kept; a backslash before a line end is a paragraph end too.
    const RichDocument doc =
        ReadRtf("{\\rtf1\\qc one\\par\\par\\pard two\\\ntwo b\\par\\qr\\pard\\qj three}");
    ASSERT_EQ(doc.size(), 5u) << DescribeDocument(doc);
    EXPECT_EQ(ParagraphText(doc[0]), "one");
    EXPECT_EQ(doc[0].alignment, ParagraphAlignment::Centre);
    EXPECT_TRUE(doc[1].runs.empty());
    EXPECT_EQ(ParagraphText(doc[2]), "two");
    EXPECT_EQ(doc[2].alignment, ParagraphAlignment::Left);
    EXPECT_EQ(ParagraphText(doc[3]), "two b");
    EXPECT_EQ(ParagraphText(doc[4]), "three");
    EXPECT_EQ(doc[4].alignment, ParagraphAlignment::Justify);
}

TEST(RtfReader, AutoColourAndMissingColoursAreDefault) {
    const RichDocument doc =
        ReadRtf("{\\rtf1{\\colortbl;\\red9\\green9\\blue9;}\\cf0 a\\cf1 b\\cf5 c\\cf-2 d\\par}");
    ASSERT_EQ(doc.size(), 1u);
    ASSERT_EQ(doc[0].runs.size(), 3u) << DescribeDocument(doc);
    EXPECT_FALSE(doc[0].runs[0].style.hasColour);
    EXPECT_EQ(doc[0].runs[1].style.colour, 0x090909u);
    EXPECT_FALSE(doc[0].runs[2].style.hasColour);
}

TEST(RtfReader, StopsAtTheEndOfTheRootGroup) {
    const RichDocument doc = ReadRtf("{\\rtf1 a\\par}garbage\\par");
    ASSERT_EQ(doc.size(), 1u);
    EXPECT_EQ(ParagraphText(doc[0]), "a");
}

}  // namespace
