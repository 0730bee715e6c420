// SPDX-License-Identifier: GPL-3.0-or-later
// Every data file a window or report can open, as built beside the executables: present,
// non-empty and readable the way the program reads it. One test per data folder, so a folder
// that is still incomplete shows at once which of its files are missing.
#include "text/cp1251.h"
#include "text/rtf_reader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Pages must say something: a title and three paragraphs at least, and not a stub.
constexpr int kMinParagraphs = 3;
constexpr int kMinWords = 80;

std::string Digits(int n) {
    return std::to_string(n);
}

// A data path as the program writes it ("\other\ses\s1.rtf") -> the file in the build folder.
std::string BuiltFile(const std::string& dataPath) {
    std::string path = GAVROSIN_BINARY_DIR;
    for (char c : dataPath) path += c == '\\' ? '/' : c;
    return path;
}

bool ReadBytes(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    bytes = buffer.str();
    return true;
}

int CountWords(const std::string& utf8) {
    int words = 0;
    bool inWord = false;
    for (unsigned char c : utf8) {
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!blank && !inWord) ++words;
        inWord = !blank;
    }
    return words;
}

// "" when the page reads well, otherwise what is wrong with it.
std::string RtfProblem(const std::string& bytes) {
    if (bytes.rfind("{\\rtf1", 0) != 0) return "does not begin with {\\rtf1";
    int paragraphs = 0;
    int words = 0;
    for (const RichParagraph& p : ReadRtf(bytes)) {
        const std::string text = ParagraphText(p);
        if (text.find_first_not_of(" \t\n") == std::string::npos) continue;
        ++paragraphs;
        words += CountWords(text);
    }
    if (paragraphs < 1 + kMinParagraphs)
        return "has " + Digits(paragraphs) + " paragraphs with text, a title and " +
               Digits(kMinParagraphs) + " are needed";
    if (words < kMinWords) return "has only " + Digits(words) + " words";
    return "";
}

std::string TextProblem(const std::string& bytes) {
    if (bytes.find('\x98') != std::string::npos) return "holds byte 98, unassigned in Windows-1251";
    if (bytes.find('\0') != std::string::npos) return "holds a NUL byte (not single-byte text?)";
    int lines = 0;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        if (line.find('\n') != std::string::npos) return "has a line end without CR";
        if (line.find_first_not_of(' ') != std::string::npos) ++lines;
        start = end + 2;
    }
    if (lines < 1 + kMinParagraphs)
        return "has " + Digits(lines) + " lines with text, a title and " + Digits(kMinParagraphs) +
               " are needed";
    if (CountWords(Cp1251ToUtf8(bytes)) < kMinWords) return "is a stub";
    return "";
}

// Checks every path and reports all missing and faulty ones in one failure.
void ExpectDataFiles(const std::vector<std::string>& dataPaths) {
    std::vector<std::string> missing;
    std::vector<std::string> faulty;
    for (const std::string& dataPath : dataPaths) {
        std::string bytes;
        if (!ReadBytes(BuiltFile(dataPath), bytes) || bytes.empty()) {
            missing.push_back(dataPath);
            continue;
        }
        const bool rtf =
            dataPath.size() > 4 && dataPath.compare(dataPath.size() - 4, 4, ".rtf") == 0;
        const std::string problem = rtf ? RtfProblem(bytes) : TextProblem(bytes);
        if (!problem.empty()) faulty.push_back(dataPath + " " + problem);
    }
    std::string report;
    if (!missing.empty()) {
        report += Digits(static_cast<int>(missing.size())) + " of " +
                  Digits(static_cast<int>(dataPaths.size())) + " missing or empty:";
        for (const std::string& m : missing) report += " " + m;
        report += "\n";
    }
    for (const std::string& f : faulty) report += f + "\n";
    EXPECT_TRUE(report.empty()) << report;
}

std::vector<std::string> Numbered(const std::string& prefix, int from, int to,
                                  const std::string& suffix) {
    std::vector<std::string> paths;
    for (int n = from; n <= to; ++n) paths.push_back(prefix + Digits(n) + suffix);
    return paths;
}

std::vector<std::string> Pairs(const std::string& folder, const std::string& joint,
                               const std::string& suffix) {
    std::vector<std::string> paths;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b)
            paths.push_back(folder + Digits(a) + joint + Digits(b) + suffix);
    return paths;
}

std::vector<std::string> Joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(DataFiles, SeasonPages) {
    ExpectDataFiles(Numbered("\\other\\ses\\s", 1, 36, ".rtf"));
}

TEST(DataFiles, StarAndBaZhaiSectorPages) {
    ExpectDataFiles({"\\other\\stars.rtf", "\\other\\bc.rtf"});
}

TEST(DataFiles, PeoplePages) {
    ExpectDataFiles(Joined(Joined(Numbered("\\other\\people\\s", 1, 9, ".rtf"),
                                  {"\\other\\people\\s1f.rtf", "\\other\\people\\s5f.rtf"}),
                           Pairs("\\other\\people\\", "-", ".rtf")));
}

TEST(DataFiles, FlyingStarCombinationPages) {
    ExpectDataFiles(Joined(Numbered("\\other\\combstars\\", 1, 9, "_0.rtf"),
                           Pairs("\\other\\combstars\\", "_", ".rtf")));
}

TEST(DataFiles, DayOfficerPages) {
    ExpectDataFiles(Numbered("\\other\\czang\\c", 1, 12, ".rtf"));
}

TEST(DataFiles, LunarMansionPages) {
    ExpectDataFiles(Numbered("\\other\\constell\\c", 1, 28, ".rtf"));
}

TEST(DataFiles, TrigramPages) {
    ExpectDataFiles(Numbered("\\other\\gua\\", 1, 8, ".rtf"));
}

TEST(DataFiles, BaZhaiHousePages) {
    // Named by the palace numbers of the eight trigrams; the centre, 5, has no house.
    std::vector<std::string> paths;
    for (int palace : {1, 2, 3, 4, 6, 7, 8, 9})
        paths.push_back("\\other\\baczi\\bc" + Digits(palace) + ".rtf");
    ExpectDataFiles(paths);
}

TEST(DataFiles, ForecastTexts) {
    ExpectDataFiles(Joined(Joined(Numbered("\\other\\goro\\s", 1, 9, ".txt"),
                                  {"\\other\\goro\\s1f.txt", "\\other\\goro\\s5f.txt"}),
                           Pairs("\\other\\goro\\", "-", ".txt")));
}

TEST(DataFiles, NotesFileHoldsAtLeastOneLine) {
    // The notes window needs a file of at least one line; the writer drops the last line (the
    // empty one that ends every file) before appending, so the file ends with CR LF.
    std::string bytes;
    ASSERT_TRUE(ReadBytes(BuiltFile("\\other\\notes.txt"), bytes)) << "missing \\other\\notes.txt";
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
        }
    }
}

TEST(DataFiles, TheCompiledHelpIsBuilt) {
    // qhelpgenerator's files are SQLite databases.
    for (const char* file : {"\\help\\gavrosin.qch", "\\help\\gavrosin.qhc"}) {
        std::string bytes;
        ASSERT_TRUE(ReadBytes(BuiltFile(file), bytes)) << "missing " << file;
        EXPECT_EQ(bytes.rfind("SQLite format 3", 0), 0u) << file;
    }
}

}  // namespace
