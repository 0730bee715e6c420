// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::string Sample() {
    TextStyle title;
    title.bold = true;
    title.pointSize = 14;
    TextStyle red;
    red.hasColour = true;
    red.colour = 0xCC0000;
    red.fontName = "Arial";
    const RichDocument doc = {
        {{{"Пятерка желтая", title}}, ParagraphAlignment::Centre, {}},
        {{{"Звезда центра ", {}}, {"甲 и 😀", red}, {" {скобки} \\", {}}},
         ParagraphAlignment::Justify,
         {}},
        {{{"• последний абзац", {}}}, ParagraphAlignment::Left, {}},
    };
    return WriteRtf(doc) +
           "{\\*\\x{\\pict\\bin4 {{{{}}\\uc2\\u1048\\'e8\\'e8 \\ansicpg1252\\'e8\\line\\tab}";
}

TEST(RtfMalformed, EveryTruncationReadsWhatPrecedesTheCut) {
    const std::string sample = Sample();
    const RichDocument full = ReadRtf(sample);
    ASSERT_EQ(full.size(), 3u) << DescribeDocument(full);
    for (std::size_t n = 0; n <= sample.size(); ++n) {
        const RichDocument doc = ReadRtf(sample.substr(0, n));
        ASSERT_LE(doc.size(), full.size()) << "cut at " << n;
        // Completed paragraphs before the cut are read exactly.
        for (std::size_t i = 0; i + 1 < doc.size(); ++i)
            ASSERT_TRUE(SameDocument({doc[i]}, {full[i]})) << "cut at " << n;
    }
}

TEST(RtfMalformed, RandomMutationsNeverCrashOrHang) {
    const std::string sample = Sample();
    static const char kAlphabet[] = "{}\\'*0123456789-abu ;\xE8\x00";
    const std::string alphabet(kAlphabet, sizeof kAlphabet - 1);
    std::mt19937 random(20240204);
    for (int round = 0; round < 3000; ++round) {
        std::string s = sample;
        const int edits = 1 + static_cast<int>(random() % 8);
        for (int e = 0; e < edits && !s.empty(); ++e) {
            const std::size_t at = random() % s.size();
            switch (random() % 3) {
                case 0: s[at] = alphabet[random() % alphabet.size()]; break;
                case 1: s.erase(at, 1 + random() % 4); break;
                default: s.insert(at, 1, alphabet[random() % alphabet.size()]); break;
            }
        }
        const RichDocument doc = ReadRtf(s);
        std::size_t bytes = 0;
        for (const RichParagraph& p : doc) bytes += ParagraphText(p).size();
        // Every character read comes from at most a few bytes of input.
        ASSERT_LE(bytes, 4 * s.size() + 4) << "round " << round;
    }
}

struct HostileCase {
    const char* name;
    std::string input;
    std::string firstParagraph;  // text expected to survive, "" when nothing should
};

class RtfHostileInput : public testing::TestWithParam<HostileCase> {};

TEST_P(RtfHostileInput, ReturnsWhatItCouldRead) {
    const RichDocument doc = ReadRtf(GetParam().input);
    const std::string first = doc.empty() ? "" : ParagraphText(doc[0]);
    EXPECT_EQ(first, GetParam().firstParagraph) << DescribeDocument(doc);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RtfHostileInput,
    testing::Values(
        HostileCase{"Empty", "", ""}, HostileCase{"NotRtfAtAll", "plain words", "plain words"},
        HostileCase{"UnclosedRoot", "{\\rtf1 abc", "abc"},
        HostileCase{"StrayClosingBraces", "}}}{\\rtf1 a}}b\\par}", "a"},
        HostileCase{"DeepNesting",
                    std::string(200000, '{') + "deep\\par" + std::string(200000, '}'), "deep"},
        HostileCase{"DeepNestingUnclosed", "{\\rtf1 x\\par" + std::string(500000, '{'), "x"},
        HostileCase{"HugeNumbers",
                    "{\\rtf1\\fs999999999999999999999\\cf99999999999999\\u9999999999999?ok"
                    "\\uc9999999999\\f-99999999999999 !\\par}",
                    "ok!"},
        HostileCase{"HugeBinaryLength", "{\\rtf1 a\\bin99999999999 rest", "a"},
        HostileCase{"TruncatedControlWord", "{\\rtf1 a\\", "a"},
        HostileCase{"TruncatedHex", "{\\rtf1 a\\'e", "a"},
        HostileCase{"BadHex", "{\\rtf1 a\\'zz b\\par}", "azz b"},
        HostileCase{"VeryLongControlWord", "{\\rtf1 \\" + std::string(100000, 'q') + " z\\par}",
                    "z"},
        HostileCase{"LoneSurrogates", "{\\rtf1 \\u-10179?a\\u-8704?b\\par}", "ab"},
        HostileCase{"NulBytes", std::string("{\\rtf1 a\0b\\par}", 15), "ab"},
        HostileCase{"FontTableNeverClosed", "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Ti", ""}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

}  // namespace
