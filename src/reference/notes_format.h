// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notes file "\other\notes.txt": Windows-1251 lines separated by CR LF, a sequence of blocks
// each keyed by a day's long date text, and one empty line after the last block:
//
//   <start marker><day key><start end marker>
//   the note's lines, as typed
//   <end line>
//
// The marker bytes are fixed constants of the format, compared byte for byte. Both marker lines
// contain the byte 98h, which no typed text can produce (it has no character in the code page),
// so a marker line never occurs inside a note.
//
// Everything here works on the file's bytes; the day key and the note lines are Windows-1251.
#include <string>
#include <vector>

using NoteLines = std::vector<std::string>;

// The start line of a day: A2 86 AC 8C 8D, the key, A6 AC 98 98 9A.
std::string NoteStartLine(const std::string& key);
// The end line: A2 86 AC 8C 8D "end" A6 AC 98 98 9A.
const std::string& NoteEndLine();
// Whether a line is the start line of some day.
bool IsNoteStartLine(const std::string& line);

// The file's lines: split at CR LF, LF or a lone CR; a line break at the very end opens no further
// line (so the file "\r\n" is one empty line, and an empty file has no lines).
NoteLines SplitNoteFile(const std::string& bytes);
// The file of `lines`: each line followed by CR LF, then one more CR LF (the empty last line).
std::string JoinNoteFile(const NoteLines& lines);

// The note of a day: the lines of every block of the key, in file order. A block runs to its end
// line; one whose end line is missing runs to the end of the file (the file's last line, the
// empty line every written file ends with, is never part of a note).
NoteLines NoteOfDay(const NoteLines& file, const std::string& key);

enum class NoteRewriteStatus {
    Unchanged,          // no block of the day and nothing to store: the file stays as it is
    Rewritten,          // `lines` is the new file
    UnterminatedBlock,  // a block of the day has no end line: the file must stay as it is
};

struct NoteRewrite {
    NoteRewriteStatus status = NoteRewriteStatus::Unchanged;
    NoteLines lines;
};

// The file with the note of a day replaced: every block of the key removed, then, when the note
// has lines, one block with them appended at the end. The empty line that ends a written file is
// dropped before appending and restored by JoinNoteFile, so no other line of the file is ever
// lost; another day's block left without its end line at the end of the file is closed before
// the new block, which would otherwise read as part of it. A block of the key that meets another
// start line, or the end of the file, before its end line leaves the file untouched
// (UnterminatedBlock): removing it would take other notes with it.
NoteRewrite WithNoteOfDay(const NoteLines& file, const std::string& key, const NoteLines& note);
