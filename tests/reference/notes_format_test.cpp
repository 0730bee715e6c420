// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/notes_format.h"

#include <gtest/gtest.h>

namespace {

const std::string kDay1 = "1 \xFF\xED\xE2\xE0\xF0\xFF 2024 \xE3.";  // "1 января 2024 г." in 1251
const std::string kDay2 = "2 \xFF\xED\xE2\xE0\xF0\xFF 2024 \xE3.";

std::string Start(const std::string& key) {
    return NoteStartLine(key);
}
const std::string& End() {
    return NoteEndLine();
}

TEST(NotesFormat, MarkerLinesAreTheFixedBytes) {
    EXPECT_EQ(NoteStartLine("key"), std::string("\xA2\x86\xAC\x8C\x8D"
                                                "key"
                                                "\xA6\xAC\x98\x98\x9A"));
    EXPECT_EQ(NoteEndLine(), std::string("\xA2\x86\xAC\x8C\x8D"
                                         "end"
                                         "\xA6\xAC\x98\x98\x9A"));
    EXPECT_EQ(NoteEndLine().size(), 13u);
    EXPECT_TRUE(IsNoteStartLine(Start(kDay1)));
    EXPECT_TRUE(IsNoteStartLine(Start("")));
    EXPECT_FALSE(IsNoteStartLine(End()));
    EXPECT_FALSE(IsNoteStartLine("plain text"));
}

TEST(NotesFormat, SplitAndJoinFollowTheLinesOfATextFile) {
    struct Case {
        std::string bytes;
        NoteLines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\r\nb", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r\n", {"a", "b"}},
        {"\r\n\r\n", {"", ""}},
    };
    for (const Case& c : cases) EXPECT_EQ(SplitNoteFile(c.bytes), c.lines) << c.bytes;
    EXPECT_EQ(JoinNoteFile({}), "\r\n");
    EXPECT_EQ(JoinNoteFile({"a", "b"}), "a\r\nb\r\n\r\n");
    // A written file reads back as its lines and the empty last line.
    EXPECT_EQ(SplitNoteFile(JoinNoteFile({"a", "b"})), (NoteLines{"a", "b", ""}));
}

TEST(NotesFormat, ReadingTakesEveryBlockOfTheDayInFileOrder) {
    const NoteLines file{Start(kDay1), "first", "",           "second", End(), Start(kDay2),
                         "other day",  End(),   Start(kDay1), "third",  End(), ""};
    EXPECT_EQ(NoteOfDay(file, kDay1), (NoteLines{"first", "", "second", "third"}));
    EXPECT_EQ(NoteOfDay(file, kDay2), (NoteLines{"other day"}));
    EXPECT_TRUE(NoteOfDay(file, "3 \xFF\xED\xE2\xE0\xF0\xFF 2024 \xE3.").empty());
    EXPECT_TRUE(NoteOfDay({}, kDay1).empty());
    EXPECT_TRUE(NoteOfDay({""}, kDay1).empty());
    EXPECT_TRUE(NoteOfDay({Start(kDay1), End(), ""}, kDay1).empty());
}

TEST(NotesFormat, ABlockWithoutItsEndLineRunsToTheEndOfTheFile) {
    EXPECT_EQ(NoteOfDay({Start(kDay1), "a", "b", ""}, kDay1), (NoteLines{"a", "b"}));
    // The file's last line is never read as a note line (nor as a start line).
    EXPECT_EQ(NoteOfDay({Start(kDay1), "a", "b"}, kDay1), (NoteLines{"a"}));
    EXPECT_TRUE(NoteOfDay({Start(kDay1)}, kDay1).empty());
}

TEST(NotesFormat, TheFirstNoteOfADayIsAppendedToTheSmallestFile) {
    const NoteRewrite r = WithNoteOfDay({""}, kDay1, {"x"});
    ASSERT_EQ(r.status, NoteRewriteStatus::Rewritten);
    EXPECT_EQ(JoinNoteFile(r.lines), Start(kDay1) + "\r\nx\r\n" + End() + "\r\n\r\n");
    // An empty file (no lines at all) takes the note the same way.
    const NoteRewrite empty = WithNoteOfDay({}, kDay1, {"x"});
    ASSERT_EQ(empty.status, NoteRewriteStatus::Rewritten);
    EXPECT_EQ(empty.lines, r.lines);
}

TEST(NotesFormat, AnEditedNoteMovesToTheEndOfTheFile) {
    const NoteLines file{Start(kDay1), "old", End(), Start(kDay2), "kept", End(), ""};
    const NoteRewrite r = WithNoteOfDay(file, kDay1, {"new", "lines"});
    ASSERT_EQ(r.status, NoteRewriteStatus::Rewritten);
    EXPECT_EQ(r.lines,
              (NoteLines{Start(kDay2), "kept", End(), Start(kDay1), "new", "lines", End()}));
    // Written and read again, the file is stable: the same edit changes nothing more.
    const NoteLines again = SplitNoteFile(JoinNoteFile(r.lines));
    EXPECT_EQ(WithNoteOfDay(again, kDay1, {"new", "lines"}).lines, r.lines);
}

TEST(NotesFormat, ErasingANoteRemovesItsBlockAndLeavesNoTrace) {
    const NoteLines file{Start(kDay2), "kept", End(), Start(kDay1), "gone", End(), ""};
    const NoteRewrite r = WithNoteOfDay(file, kDay1, {});
    ASSERT_EQ(r.status, NoteRewriteStatus::Rewritten);
    EXPECT_EQ(JoinNoteFile(r.lines), Start(kDay2) + "\r\nkept\r\n" + End() + "\r\n\r\n");
    // Erasing the last note leaves the smallest file, not a growing run of empty lines.
    const NoteRewrite last = WithNoteOfDay({Start(kDay1), "x", End(), ""}, kDay1, {});
    EXPECT_EQ(JoinNoteFile(last.lines), "\r\n");
}

TEST(NotesFormat, NothingToStoreAndNothingToRemoveLeavesTheFileAlone) {
    const NoteLines file{Start(kDay2), "kept", End(), ""};
    const NoteRewrite r = WithNoteOfDay(file, kDay1, {});
    EXPECT_EQ(r.status, NoteRewriteStatus::Unchanged);
    EXPECT_EQ(r.lines, file);
}

TEST(NotesFormat, EveryBlockOfTheDayGoesEvenTwoInARow) {
    const NoteLines file{Start(kDay1), "a", End(), Start(kDay1), "b", End(), ""};
    const NoteRewrite r = WithNoteOfDay(file, kDay1, {"c"});
    EXPECT_EQ(r.lines, (NoteLines{Start(kDay1), "c", End()}));
    EXPECT_EQ(NoteOfDay(SplitNoteFile(JoinNoteFile(r.lines)), kDay1), (NoteLines{"c"}));
}

TEST(NotesFormat, ALastLineThatIsNotEmptyIsKept) {
    // A file edited by hand may end without the empty line; its last line is text, not the end
    // of the file, and stays.
    const NoteLines file{"free text", "last line"};
    const NoteRewrite r = WithNoteOfDay(file, kDay1, {"x"});
    EXPECT_EQ(r.lines, (NoteLines{"free text", "last line", Start(kDay1), "x", End()}));
}

TEST(NotesFormat, ABlockOfTheDayWithoutItsEndLineLeavesTheFileUnchanged) {
    // Deleting up to "the next end line" would take the note of another day with it.
    const NoteLines swallowing{Start(kDay1), "a", Start(kDay2), "b", End(), ""};
    const NoteLines toTheEnd{Start(kDay2), "b", End(), Start(kDay1), "a", ""};
    for (const NoteLines& file : {swallowing, toTheEnd}) {
        for (const NoteLines& note : {NoteLines{"x"}, NoteLines{}}) {
            const NoteRewrite r = WithNoteOfDay(file, kDay1, note);
            EXPECT_EQ(r.status, NoteRewriteStatus::UnterminatedBlock);
            EXPECT_EQ(r.lines, file);
        }
    }
    // Another day's broken block does not stop this day's note; it is closed first, so that the
    // new block does not read as part of it, and both days read as before.
    const NoteRewrite other = WithNoteOfDay(toTheEnd, kDay2, {"c"});
    EXPECT_EQ(other.status, NoteRewriteStatus::Rewritten);
    EXPECT_EQ(other.lines, (NoteLines{Start(kDay1), "a", End(), Start(kDay2), "c", End()}));
    const NoteLines written = SplitNoteFile(JoinNoteFile(other.lines));
    EXPECT_EQ(NoteOfDay(written, kDay1), NoteOfDay(toTheEnd, kDay1));
    EXPECT_EQ(NoteOfDay(written, kDay2), (NoteLines{"c"}));
}

TEST(NotesFormat, EmptyNoteLinesAreKept) {
    const NoteRewrite r = WithNoteOfDay({""}, kDay1, {"", "a", ""});
    const NoteLines file = SplitNoteFile(JoinNoteFile(r.lines));
    EXPECT_EQ(NoteOfDay(file, kDay1), (NoteLines{"", "a", ""}));
}

}  // namespace
