// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rtf_writer.h"

#include <gtest/gtest.h>

namespace {

RichDocument OneRun(const std::string& text, TextStyle style = {},
                    ParagraphAlignment align = ParagraphAlignment::Left) {
    RichParagraph p;
    p.alignment = align;
    p.runs.push_back(TextRun{text, style});
    return {p};
}

// The body of the one paragraph: what stands between "\pard\ql " and "\par".
std::string Body(const std::string& rtf) {
    const auto start = rtf.find("\\pard");
    const auto text = rtf.find(' ', start) + 1;
    return rtf.substr(text, rtf.find("\\par\r\n", text) - text);
}

TEST(RtfWriter, HeaderNamesCodePageAndCyrillicFont) {
    const std::string rtf = WriteRtf(OneRun("x"));
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1251\\deff0", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\froman\\fcharset204 Times New Roman;}"),
              std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl ;}"), std::string::npos);
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
    for (unsigned char c : WriteRtf(OneRun("Цзя 甲 😀"))) EXPECT_LT(c, 0x80);
}

struct EscapeCase {
    const char* name;
    std::string text;
    std::string body;
};

class RtfWriterEscapes : public testing::TestWithParam<EscapeCase> {};

TEST_P(RtfWriterEscapes, EscapesOneCharacterClass) {
    EXPECT_EQ(Body(WriteRtf(OneRun(GetParam().text))), GetParam().body);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, RtfWriterEscapes,
    testing::Values(EscapeCase{"Ascii", "Ba Zhai 8", "Ba Zhai 8"},
                    EscapeCase{"Braces", "{a}\\b", "\\{a\\}\\\\b"},
                    EscapeCase{"Cyrillic", "Цзя ё", "\\'d6\\'e7\\'ff \\'b8"},
                    EscapeCase{"Cp1251Punctuation", "«№»—…", "\\'ab\\'b9\\'bb\\'97\\'85"},
                    EscapeCase{"OutsideCodePage", "甲", "\\u30002?"},
                    EscapeCase{"AboveSigned16Bit", "\xEF\xAC\x81", "\\u-1279?"},  // U+FB01
                    EscapeCase{"SurrogatePair", "😀", "\\u-10179?\\u-8704?"},
                    EscapeCase{"LineTabAndSpaces", "a\nb\tc\xC2\xA0\xC2\xAD",
                               "a\\line b\\tab c\\~\\-"},
                    EscapeCase{"ControlCharactersDropped", std::string("a\x01\rb", 4), "ab"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

TEST(RtfWriter, StylesAndAlignment) {
    TextStyle title;
    title.bold = true;
    title.pointSize = 14;
    EXPECT_EQ(Body(WriteRtf(OneRun("T", title))), "{\\b\\fs28 T}");

    TextStyle red;
    red.italic = true;
    red.underline = true;
    red.hasColour = true;
    red.colour = 0xC00010;
    const std::string rtf = WriteRtf(OneRun("r", red, ParagraphAlignment::Centre));
    EXPECT_NE(rtf.find("{\\colortbl ;\\red192\\green0\\blue16;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("\\pard\\qc {\\i\\ul\\cf1 r}\\par"), std::string::npos) << rtf;

    EXPECT_NE(WriteRtf(OneRun("j", {}, ParagraphAlignment::Justify)).find("\\pard\\qj j\\par"),
              std::string::npos);
    EXPECT_NE(WriteRtf(OneRun("r", {}, ParagraphAlignment::Right)).find("\\pard\\qr r\\par"),
              std::string::npos);
}

TEST(RtfWriter, FontsAndColoursAreListedOnceEach) {
    TextStyle a;
    a.fontName = "Arial";
    a.hasColour = true;
    a.colour = 0x0000FF;
    TextStyle b = a;
    b.fontName = "Курсив";
    RichParagraph p;
    p.runs = {{"1", a}, {"2", b}, {"3", a}};
    const std::string rtf = WriteRtf({p});
    EXPECT_NE(rtf.find("{\\f1\\fnil\\fcharset204 Arial;}{\\f2\\fnil\\fcharset204 "
                       "\\'ca\\'f3\\'f0\\'f1\\'e8\\'e2;}}"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("{\\colortbl ;\\red0\\green0\\blue255;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\cf1\\f1 1}{\\cf1\\f2 2}{\\cf1\\f1 3}"), std::string::npos) << rtf;
}

TEST(RtfWriter, EveryParagraphEndsWithParEvenWhenEmpty) {
    RichDocument doc(3);
    doc[1].runs.push_back({"", {}});
    const std::string rtf = WriteRtf(doc);
    std::size_t count = 0;
    for (auto at = rtf.find("\\par\r\n"); at != std::string::npos;
         at = rtf.find("\\par\r\n", at + 1))
        ++count;
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(WriteRtf({}).find("\\pard"), std::string::npos);
}

}  // namespace
