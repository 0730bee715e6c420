// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/rich_text_document.h"

#include <gtest/gtest.h>
#include <QTextBlock>
#include <QTextDocument>

#include "support/shell_test.h"

namespace {

TextStyle Style(bool bold, bool italic, bool underline, int size, int colour = -1,
                const char* font = "") {
    TextStyle s;
    s.bold = bold;
    s.italic = italic;
    s.underline = underline;
    s.pointSize = size;
    if (colour >= 0) {
        s.hasColour = true;
        s.colour = static_cast<std::uint32_t>(colour);
    }
    s.fontName = font;
    return s;
}

TEST(RichTextDocument, StylesAndAlignmentSurviveTheTextDocument) {
    TestApplication();
    RichDocument doc(3);
    doc[0].alignment = ParagraphAlignment::Centre;
    doc[0].runs = {{"Звезда 1 белая", Style(true, false, false, 14, 0x000080)}};
    doc[1].runs = {{"Обычный текст, ", Style(false, false, false, 0)},
                   {"курсив", Style(false, true, false, 0)},
                   {" и подчёркнутый", Style(false, false, true, 10, 0xC00000, "Arial")}};
    doc[2].alignment = ParagraphAlignment::Justify;
    doc[2].runs = {{"Строка\nвторая строка того же абзаца", Style(false, false, false, 12)}};

    QTextDocument qt;
    FillTextDocument(qt, doc);
    EXPECT_EQ(qt.blockCount(), 3);
    EXPECT_EQ(qt.begin().text(), QString::fromUtf8("Звезда 1 белая"));
    const RichDocument back = RichDocumentOf(qt);
    EXPECT_TRUE(SameDocument(doc, back)) << DescribeDocument(back);
}

TEST(RichTextDocument, EmptyDocumentsStayEmpty) {
    TestApplication();
    QTextDocument qt;
    qt.setPlainText(QStringLiteral("old text"));
    FillTextDocument(qt, RichDocument());
    EXPECT_TRUE(qt.isEmpty());
    EXPECT_TRUE(RichDocumentOf(qt).empty());
}

TEST(RichTextDocument, EmptyParagraphsAreKept) {
    TestApplication();
    RichDocument doc(3);
    doc[0].runs = {{"первый", TextStyle()}};
    doc[2].runs = {{"третий", TextStyle()}};
    QTextDocument qt;
    FillTextDocument(qt, doc);
    const RichDocument back = RichDocumentOf(qt);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_TRUE(back[1].runs.empty());
    EXPECT_TRUE(SameDocument(doc, back)) << DescribeDocument(back);
}

}  // namespace
