// SPDX-License-Identifier: GPL-3.0-or-later
#include "page_source.h"
#include "page_output.h"
#include "text/cp1251.h"
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"

#include <gtest/gtest.h>

namespace {

const char kPage[] =
    "# Малые холода\n"
    "\n"
    "Солнце на **285°**; месяц *Чоу* продолжается,\n"
    "строка перенесена.\n"
    "\n"
    "- Первый пункт.\n"
    "- Второй **пункт**\n"
    "  с продолжением.\n"
    "\n"
    "Последний абзац.\n";

TEST(PageSource, ReadsTitleParagraphsListsAndInlineStyles) {
    const PageParseResult r = ParsePageSource(kPage);
    ASSERT_FALSE(r.error) << r.error->line << ": " << r.error->message;
    EXPECT_EQ(r.page.title, "Малые холода");
    ASSERT_EQ(r.page.paragraphs.size(), 4u);
    const PageParagraph& first = r.page.paragraphs[0];
    EXPECT_EQ(first.line, 3);
    EXPECT_EQ(PlainParagraphText(first),
              "Солнце на 285°; месяц Чоу продолжается, строка перенесена.");
    ASSERT_EQ(first.runs.size(), 5u);
    EXPECT_TRUE(first.runs[1].bold);
    EXPECT_EQ(first.runs[1].text, "285°");
    EXPECT_TRUE(first.runs[3].italic);
    EXPECT_FALSE(first.runs[3].bold);
    EXPECT_TRUE(r.page.paragraphs[1].listItem);
    EXPECT_EQ(PlainParagraphText(r.page.paragraphs[1]), "• Первый пункт.");
    EXPECT_EQ(PlainParagraphText(r.page.paragraphs[2]), "• Второй пункт с продолжением.");
    EXPECT_EQ(r.page.paragraphs[2].line, 7);
    EXPECT_FALSE(r.page.paragraphs[3].listItem);
}

TEST(PageSource, ToleratesWindowsLineEndsByteOrderMarkAndExtraBlankLines) {
    const PageParseResult r =
        ParsePageSource("\xEF\xBB\xBF# Заголовок  \r\n\r\n\r\nАбзац один.\r\n\r\n\r\nАбзац два.  ");
    ASSERT_FALSE(r.error) << r.error->message;
    EXPECT_EQ(r.page.title, "Заголовок");
    ASSERT_EQ(r.page.paragraphs.size(), 2u);
    EXPECT_EQ(PlainParagraphText(r.page.paragraphs[1]), "Абзац два.");
}

struct BadPage {
    const char* name;
    std::string source;
    int line;
    std::string messagePart;
};

void PrintTo(const BadPage& page, std::ostream* os) {
    *os << page.name;
}

class PageSourceRejects : public testing::TestWithParam<BadPage> {};

TEST_P(PageSourceRejects, NamesTheLine) {
    const PageParseResult r = ParsePageSource(GetParam().source);
    ASSERT_TRUE(r.error);
    EXPECT_EQ(r.error->line, GetParam().line) << r.error->message;
    EXPECT_NE(r.error->message.find(GetParam().messagePart), std::string::npos) << r.error->message;
}

INSTANTIATE_TEST_SUITE_P(
    Mistakes, PageSourceRejects,
    testing::Values(BadPage{"EmptyFile", "", 1, "title"},
                    BadPage{"NoTitle", "Абзац без заголовка.\n\nЕще.\n", 1, "title"},
                    BadPage{"HashWithoutBlank", "#Заголовок\n\nАбзац.\n", 1, "title"},
                    BadPage{"EmptyTitle", "#   \n\nАбзац.\n", 1, "title"},
                    BadPage{"NoParagraphs", "# Заголовок\n\n", 3, "no paragraphs"},
                    BadPage{"SecondHeading", "# Т\n\nА.\n\n## Раздел\n", 5, "heading"},
                    BadPage{"Table", "# Т\n\n| a | b |\n", 3, "tables"},
                    BadPage{"Link", "# Т\n\nСм. [тут](http://x).\n", 3, "links"},
                    BadPage{"Html", "# Т\n\nА <b>жирно</b>.\n", 3, "HTML"},
                    BadPage{"UnclosedBold", "# Т\n\nОдин.\n\nДва **жирно\nи дальше.\n", 5, "**"},
                    BadPage{"UnclosedItalic", "# Т\n\n- пункт *курсив\n", 3, "*"},
                    BadPage{"NotUtf8", "# Т\n\n\xCF\xF0\xE8\xE2\xE5\xF2\n", 3, "UTF-8"},
                    BadPage{"ControlCharacter", std::string("# Т\n\nА\x01.\n"), 3, "control"},
                    BadPage{"EmptyListItem", "# Т\n\n- \n", 3, "list item"}),
    [](const testing::TestParamInfo<BadPage>& info) { return std::string(info.param.name); });

TEST(PageOutput, RichDocumentHasTitleGapsAndJustifiedParagraphs) {
    const RichDocument doc = PageToRichDocument(ParsePageSource(kPage).page);
    // title, gap, paragraph, gap, item, item, gap, paragraph
    ASSERT_EQ(doc.size(), 8u) << DescribeDocument(doc);
    EXPECT_EQ(doc[0].alignment, ParagraphAlignment::Centre);
    EXPECT_TRUE(doc[0].runs[0].style.bold);
    EXPECT_EQ(doc[0].runs[0].style.pointSize, 14);
    for (int gap : {1, 3, 6}) EXPECT_TRUE(doc[gap].runs.empty()) << gap;
    EXPECT_EQ(doc[2].alignment, ParagraphAlignment::Justify);
    EXPECT_EQ(ParagraphText(doc[4]), "• Первый пункт.");
    EXPECT_EQ(ParagraphText(doc[5]), "• Второй пункт с продолжением.");
    // What the program reads back is what the generator meant.
    EXPECT_TRUE(SameDocument(ReadRtf(WriteRtf(doc)), doc));
}

TEST(PageOutput, TextPageIsCp1251WithCrLfLines) {
    const PageTextResult t = PageToCp1251Text(ParsePageSource(kPage).page);
    ASSERT_FALSE(t.error);
    EXPECT_EQ(Cp1251ToUtf8(t.bytes),
              "Малые холода\r\n\r\n"
              "Солнце на 285°; месяц Чоу продолжается, строка перенесена.\r\n"
              "• Первый пункт.\r\n"
              "• Второй пункт с продолжением.\r\n"
              "Последний абзац.\r\n");
    EXPECT_EQ(static_cast<unsigned char>(t.bytes[0]), 0xCC);  // М
}

TEST(PageOutput, TextPageRejectsCharactersOutsideCp1251) {
    const PageParseResult r = ParsePageSource("# Т\n\nА.\n\nЗнак 甲 здесь.\n");
    ASSERT_FALSE(r.error);
    const PageTextResult t = PageToCp1251Text(r.page);
    ASSERT_TRUE(t.error);
    EXPECT_EQ(t.error->line, 5);
    EXPECT_NE(t.error->message.find("U+7532"), std::string::npos) << t.error->message;
    EXPECT_TRUE(t.bytes.empty());
}

}  // namespace
