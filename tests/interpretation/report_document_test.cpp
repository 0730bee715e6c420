// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/report_document.h"

#include <gtest/gtest.h>

namespace {

TEST(ReportDocument, EachStyleSetsItsColourSizeAndWeight) {
    struct Case {
        ReportStyle style;
        std::uint32_t colour;
        int pointSize;
        bool bold;
    };
    const Case cases[] = {
        {ReportStyle::Titl, 0x008000, 12, true},
        {ReportStyle::Titl2, 0x000000, 10, true},
        {ReportStyle::Red, 0x800000, 12, true},
    };
    for (const Case& c : cases) {
        const ReportFormat f = ApplyStyle(c.style, ReportFormat{0x123456, 7, false});
        EXPECT_EQ(f, (ReportFormat{c.colour, c.pointSize, c.bold})) << StyleName(c.style);
    }
}

TEST(ReportDocument, BodyTextKeepsTheSizeOfTheStyleBeforeIt) {
    ReportDocument r;
    r.StyleText();
    r.Append("до всякого заголовка");  // the base size of the report area
    r.StyleTitl2();
    r.StyleText();
    r.Append("после подзаголовка");
    r.StyleTitl();
    r.StyleText();
    r.Append("после заголовка");
    const auto& p = r.Paragraphs();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].format, (ReportFormat{0x000000, 0, false}));
    EXPECT_EQ(p[1].format, (ReportFormat{0x000000, 10, false}));
    EXPECT_EQ(p[2].format, (ReportFormat{0x000000, 12, false}));
    EXPECT_EQ(p[2].style, ReportStyle::Text);
}

TEST(ReportDocument, SeparatorsAndTheEmptyFirstParagraph) {
    ReportDocument r;
    r.StyleRed();
    r.Append("Заголовок");
    r.AppendBlank();
    r.AppendEmpty();
    r.InsertEmptyAtTop();
    EXPECT_EQ(DescribeReport(r), "Red\t(empty)\nRed\tЗаголовок\nRed\t(blank)\nRed\t(empty)\n");
    const auto& p = r.Paragraphs();
    EXPECT_EQ(p[2].kind, ParagraphKind::Blank);
    EXPECT_EQ(p[2].text, " ");
    EXPECT_EQ(p[3].kind, ParagraphKind::Empty);
    EXPECT_EQ(p[3].text, "");
}

TEST(ReportDocument, RichTextKeepsStylesInTheReportFont) {
    ReportDocument r;
    r.StyleTitl();
    r.Append("ИНТЕРПРЕТАЦИЯ ЗНАКА");
    r.AppendEmpty();
    r.StyleTitl2();
    r.AppendBlank();
    const RichDocument doc = ToRichDocument(r);
    ASSERT_EQ(doc.size(), 3u);
    ASSERT_EQ(doc[0].runs.size(), 1u);
    const TextStyle& s = doc[0].runs[0].style;
    EXPECT_EQ(doc[0].runs[0].text, "ИНТЕРПРЕТАЦИЯ ЗНАКА");
    EXPECT_TRUE(s.bold);
    EXPECT_EQ(s.pointSize, 12);
    EXPECT_TRUE(s.hasColour);
    EXPECT_EQ(s.colour, 0x008000u);
    EXPECT_EQ(s.fontName, kReportFontName);
    EXPECT_TRUE(doc[1].runs.empty());  // an empty paragraph has no text at all
    ASSERT_EQ(doc[2].runs.size(), 1u);
    EXPECT_EQ(doc[2].runs[0].text, " ");
    EXPECT_EQ(doc[2].runs[0].style.pointSize, 10);
}

}  // namespace
