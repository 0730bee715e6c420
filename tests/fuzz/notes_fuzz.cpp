// SPDX-License-Identifier: GPL-3.0-or-later
// The notes file: storing one day's note keeps every other day's note and reads back as typed.
//
// Input: "key\0note\0file bytes"; an input without two NULs is a whole file, and the note of its
// first day (or of a new day) is rewritten.
#include <algorithm>
#include <cstdint>
#include <set>

#include "fuzz_checks.h"
#include "reference/notes_format.h"

namespace {

// Typed text has no line breaks inside a line and never the byte 98h of the markers.
std::string Typed(std::string s) {
    for (char& c : s)
        if (c == '\r' || c == '\n' || c == '\x98') c = ' ';
    return s;
}

// The day keys of the file's start lines, in file order.
std::vector<std::string> Keys(const NoteLines& lines) {
    const std::string empty = NoteStartLine("");
    const std::string head = empty.substr(0, 5);
    const std::size_t tail = empty.size() - 5;
    std::vector<std::string> keys;
    for (const std::string& line : lines)
        if (IsNoteStartLine(line))
            keys.push_back(line.substr(head.size(), line.size() - head.size() - tail));
    return keys;
}

// Up to 16 other days, from the file's beginning and its end: reading the note of every day of
// a file of hundreds of blocks, twice, made each input cost as much as a hundred small ones,
// and the rewrite treats every other block alike.
std::vector<std::string> OthersToCheck(const std::vector<std::string>& keys,
                                       const std::string& key) {
    std::vector<std::string> distinct;  // in file order
    std::set<std::string> seen{key};
    for (const std::string& k : keys)
        if (seen.insert(k).second) distinct.push_back(k);
    constexpr std::size_t kChecked = 16;
    if (distinct.size() <= kChecked) return distinct;
    std::vector<std::string> some(distinct.begin(), distinct.begin() + kChecked / 2);
    some.insert(some.end(), distinct.end() - kChecked / 2, distinct.end());
    return some;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> f =
        SplitFields(std::string(reinterpret_cast<const char*>(data), size), '\0', 2);
    const bool fields = f.size() == 3;
    const NoteLines file = SplitNoteFile(fields ? f[2] : f[0]);
    const std::vector<std::string> keys = Keys(file);
    const std::string key =
        fields ? Typed(f[0]) : (keys.empty() ? std::string("01.01.2024") : keys.front());
    // The end line is the start line a day "end" would have; no day's date is that word.
    if (key == "end") return 0;
    NoteLines note;
    if (fields) {
        for (const std::string& line : SplitFields(f[1], '\n', 64)) note.push_back(Typed(line));
        if (f[1].empty()) note.clear();
    } else {
        note = {"note"};
    }

    const NoteRewrite rewrite = WithNoteOfDay(file, key, note);
    if (rewrite.status != NoteRewriteStatus::Rewritten) {
        // Unchanged only when there was nothing to store and nothing to remove.
        if (rewrite.status == NoteRewriteStatus::Unchanged) FUZZ_CHECK(note.empty());
        return 0;
    }
    const NoteLines after = SplitNoteFile(JoinNoteFile(rewrite.lines));
    FUZZ_CHECK(NoteOfDay(after, key) == note);
    // Other days keep their notes: every day whose block is whole (a block without its end line
    // runs into the next start line, which no typed note holds), in a file that ends with the
    // empty line the writer puts there (before, that last line is no note's).
    const bool writtenFile = !file.empty() && file.back().empty();
    for (const std::string& other : OthersToCheck(keys, key)) {
        const NoteLines before = NoteOfDay(file, other);
        const bool whole = std::none_of(before.begin(), before.end(), IsNoteStartLine);
        if (writtenFile && whole) FUZZ_CHECK(NoteOfDay(after, other) == before);
    }
    return 0;
}
