// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a whole file may be written. A save replaces the target by renaming a new file over it:
// done to a device ("/dev/full"), a named pipe or a folder, that would put a regular file in
// place of the node and report success. Such targets are refused before anything is written,
// and a command that writes several files checks the folder of every one before writing any.
#include <string>
#include <vector>

// "" unless `path` exists and is not a regular file (nor a link to one): then the message that
// refuses it.
std::string RefuseSpecialTarget(const std::string& path);

// "" when `path` may be replaced by a regular file: it is a regular file (or a link to one) or
// does not exist yet in an existing, writable folder. Otherwise the message the user sees,
// naming the file: not a regular file, no such folder, no right to write into it.
std::string CheckOutputTarget(const std::string& path);

// The first problem of any of `paths` (CheckOutputTarget), or "".
std::string CheckOutputTargets(const std::vector<std::string>& paths);

// True for "-": the output goes to standard output instead of a file.
bool IsStandardOutput(const std::string& path);
