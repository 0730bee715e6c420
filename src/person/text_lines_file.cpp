// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/text_lines_file.h"

#include "text/cp1251.h"
#include "text/ini_file.h"
#include "text/whole_file.h"

std::vector<std::string> SplitTextLines(const std::string& utf8) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> ReadTextLinesFile(const std::string& path) {
    std::string bytes;
    const std::string error = ReadWholeFile(path, bytes);
    if (!error.empty()) throw EFileError(error);
    return SplitTextLines(Cp1251ToUtf8(bytes));
}

void WriteTextLinesFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const std::string error = ReplaceWholeFile(path, Utf8ToCp1251(text));
    if (!error.empty()) throw EFileError(error);
}
