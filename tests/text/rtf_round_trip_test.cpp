// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/cp1251.h"
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"

#include <gtest/gtest.h>

namespace {

TextStyle Style(bool bold, bool italic, bool underline, int size = 0) {
    TextStyle s;
    s.bold = bold;
    s.italic = italic;
    s.underline = underline;
    s.pointSize = size;
    return s;
}

TextStyle Coloured(std::uint32_t rgb, const std::string& font = "") {
    TextStyle s;
    s.hasColour = true;
    s.colour = rgb;
    s.fontName = font;
    return s;
}

struct RoundTripCase {
    const char* name;
    RichDocument doc;
};

class RtfRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RtfRoundTrip, WriteThenReadGivesTheSameDocument) {
    const RichDocument& doc = GetParam().doc;
    const RichDocument back = ReadRtf(WriteRtf(doc));
    EXPECT_TRUE(SameDocument(doc, back)) << "written:\n"
                                         << DescribeDocument(doc) << "read:\n"
                                         << DescribeDocument(back);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, RtfRoundTrip,
    testing::Values(
        RoundTripCase{"Empty", {}}, RoundTripCase{"OneEmptyParagraph", {RichParagraph{}}},
        RoundTripCase{
            "PageLikeDocument",
            {{{{"Становление весны", Style(true, false, false, 14)}},
              ParagraphAlignment::Centre,
              {}},
             {},
             {{{"Солнце достигает ", {}},
               {"315°", Style(true, false, false)},
               {"; месяц ", {}},
               {"Инь (Дерево-ян)", Style(false, true, false)},
               {" открывается.", {}}},
              ParagraphAlignment::Justify,
              {}},
             {{{"• Пункт списка — «кавычки», №5, 3…", {}}}, ParagraphAlignment::Justify, {}}}},
        RoundTripCase{"AllAlignmentsAndStyles",
                      {{{{"L", Style(true, true, true, 9)}}, ParagraphAlignment::Left, {}},
                       {{{"C", Style(false, true, true, 72)}}, ParagraphAlignment::Centre, {}},
                       {{{"R", Style(true, false, true)}}, ParagraphAlignment::Right, {}},
                       {{{"J", Style(false, false, true, 11)}}, ParagraphAlignment::Justify, {}}}},
        RoundTripCase{"ColoursAndFonts",
                      {{{{"red ", Coloured(0xFF0000)},
                         {"blue in Arial ", Coloured(0x0000FF, "Arial")},
                         {"red again ", Coloured(0xFF0000)},
                         {"black is a colour too", Coloured(0x000000, "Courier New")}}}}},
        RoundTripCase{"CharactersThatNeedEscapes",
                      {{{{"{braces} \\ backslash, a\ttab, a\nline break, nbsp\xC2\xA0here", {}}}},
                       {{{"甲乙 丙 😀 \xEF\xAC\x81 ẞ", Style(true, false, false)}}},
                       {{{"  leading and trailing blanks  ", {}}}}}},
        RoundTripCase{"FontNamesOutsideTheCodePage",
                      {{{{"a", Coloured(0x123456, "宋体 ★")},
                         {"b", Coloured(0x123456, "Tab\tin;name")},
                         {"c", Coloured(0x123456, "Шрифт")}}}}},
        RoundTripCase{"TextStartingWithDigitsAfterSize",
                      {{{{"2024", Style(false, false, false, 12)}, {"12", {}}}}}}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

TEST(RtfRoundTrip, EveryCp1251CharacterSurvives) {
    std::string all;
    for (int b = 0x20; b < 0x100; ++b)
        if (b != 0x98 && b != 0x7F) all += Cp1251ToUtf8(std::string(1, static_cast<char>(b)));
    const RichDocument doc = {{{{all, {}}}}};
    EXPECT_TRUE(SameDocument(doc, ReadRtf(WriteRtf(doc))));
}

TEST(RtfReader, HugeParametersAreCappedBeforeTheyGrow) {
    // 40 digits: the parameter stops at its cap instead of overflowing on the way there.
    const std::string digits(40, '9');
    const RichDocument doc =
        ReadRtf("{\\rtf1 {\\fs" + digits + " big}{\\cf" + digits + " plain}\\u" + digits + "?x}");
    ASSERT_EQ(doc.size(), 1u);
    ASSERT_EQ(doc[0].runs.size(), 2u);
    EXPECT_EQ(doc[0].runs[0].style.pointSize, 1638);  // \fs clamps to 3276 half-points
    EXPECT_EQ(doc[0].runs[1].text, "plainx");
}

}  // namespace
