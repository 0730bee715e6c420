// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/notes_format.h"

#include <algorithm>

namespace {

const std::string kMarkerOpen("\xA2\x86\xAC\x8C\x8D");
const std::string kMarkerClose("\xA6\xAC\x98\x98\x9A");

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool StartsWith(const std::string& s, const std::string& head) {
    return s.compare(0, head.size(), head) == 0;
}

// Whether the last start line of the file has no end line after it.
bool EndsInsideBlock(const NoteLines& lines) {
    bool open = false;
    for (const std::string& line : lines) {
        if (line == NoteEndLine())
            open = false;
        else if (IsNoteStartLine(line))
            open = true;
    }
    return open;
}

}  // namespace

std::string NoteStartLine(const std::string& key) {
    return kMarkerOpen + key + kMarkerClose;
}

const std::string& NoteEndLine() {
    static const std::string line = kMarkerOpen + "end" + kMarkerClose;
    return line;
}

bool IsNoteStartLine(const std::string& line) {
    return line.size() >= kMarkerOpen.size() + kMarkerClose.size() &&
           StartsWith(line, kMarkerOpen) && EndsWith(line, kMarkerClose) && line != NoteEndLine();
}

NoteLines SplitNoteFile(const std::string& bytes) {
    NoteLines lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.emplace_back(bytes, start);  // the last line, without a break after it
            break;
        }
        lines.emplace_back(bytes, start, end - start);
        start =
            end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::string JoinNoteFile(const NoteLines& lines) {
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    out += "\r\n";
    return out;
}

NoteLines NoteOfDay(const NoteLines& file, const std::string& key) {
    // Read line by line as from a text file: the end-of-file test comes before every use of the
    // line just read, so the file's last line is never part of a note.
    const std::string start = NoteStartLine(key);
    NoteLines note;
    const std::size_t n = file.size();
    std::size_t at = 0;  // index of the line in S
    auto atEnd = [&] { return at + 1 >= n; };
    if (n == 0) return note;
    while (!atEnd()) {
        if (file[at] == start) {
            ++at;
            while (file[at] != NoteEndLine() && !atEnd()) {
                note.push_back(file[at]);
                ++at;
            }
        }
        if (atEnd()) break;
        ++at;
    }
    return note;
}

NoteRewrite WithNoteOfDay(const NoteLines& file, const std::string& key, const NoteLines& note) {
    const std::string start = NoteStartLine(key);
    NoteRewrite result;
    result.lines = file;
    NoteLines& lines = result.lines;
    bool removed = false;
    std::size_t i = 0;
    while (i < lines.size()) {
        if (lines[i] != start) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && lines[end] != NoteEndLine() && !IsNoteStartLine(lines[end]))
            ++end;
        if (end == lines.size() || lines[end] != NoteEndLine()) {
            return {NoteRewriteStatus::UnterminatedBlock, file};
        }
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i),
                    lines.begin() + static_cast<std::ptrdiff_t>(end) + 1);
        removed = true;
        // The scan goes on at the same place: a second block right after the first is removed too.
    }
    if (!removed && note.empty()) return {NoteRewriteStatus::Unchanged, file};

    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (!note.empty()) {
        // Another day's block left open at the end of the file is closed first, so that the new
        // block never reads as part of it.
        if (EndsInsideBlock(lines)) lines.push_back(NoteEndLine());
        lines.push_back(start);
        lines.insert(lines.end(), note.begin(), note.end());
        lines.push_back(NoteEndLine());
    }
    result.status = NoteRewriteStatus::Rewritten;
    return result;
}
