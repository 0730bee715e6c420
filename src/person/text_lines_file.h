// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Plain-text files taken as lines: single-byte Windows-1251 on disk, lines ended by CR LF. The
// personal text report is written this way and the forecast texts are read this way. Text held
// in memory is UTF-8.
#include <string>
#include <vector>

// The lines of a text: CR LF, LF and CR all end a line; a last line without an ending counts,
// the ending of the last line adds no empty line after it.
std::vector<std::string> SplitTextLines(const std::string& utf8);

// Reads a Windows-1251 text file whole. Raises EFileError (text/ini_file.h), naming the file,
// when it is missing or cannot be read.
std::vector<std::string> ReadTextLinesFile(const std::string& path);

// Writes the lines in Windows-1251, each followed by CR LF, replacing the file atomically: a
// failed write leaves an existing file whole and no partial file behind. Raises EFileError.
void WriteTextLinesFile(const std::string& path, const std::vector<std::string>& lines);
