// SPDX-License-Identifier: GPL-3.0-or-later
// Builds one descriptive page: pages/<path>.md (UTF-8 source) -> <build>/<path>, an RTF page in
// code page 1251 or a Windows-1251 text page, chosen by the output's extension. A malformed
// source stops the build with "<source>:<line>: error: ..."; the output is written to a
// temporary file and renamed, so it is either complete or untouched.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "page_output.h"
#include "page_source.h"
#include "text/rtf_writer.h"

namespace fs = std::filesystem;

namespace {

int Fail(const std::string& where, const std::string& message) {
    std::cerr << where << ": error: " << message << "\n";
    return 1;
}

bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool ReadWhole(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    bytes = buffer.str();
    return !in.bad();
}

// Writes beside the target and renames over it: the target is never half written.
bool WriteAtomically(const fs::path& target, const std::string& bytes, std::string& why) {
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (ec) {
        why = "cannot create the folder " + target.parent_path().string() + ": " + ec.message();
        return false;
    }
    const fs::path temporary = target.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            why = "cannot write " + temporary.string();
            return false;
        }
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        why = "cannot rename the finished page to " + target.string();
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gavrosin-pagegen <page source .rtf.md|.txt.md> <output .rtf|.txt>\n";
        return 2;
    }
    const std::string source = argv[1];
    const fs::path output = argv[2];
    const bool rtf = EndsWith(output.string(), ".rtf");
    if (!rtf && !EndsWith(output.string(), ".txt"))
        return Fail(source,
                    "a page source is named <page>.rtf.md or <page>.txt.md; this one "
                    "would give " +
                        output.filename().string() + ", which the program never opens");

    std::string text;
    if (!ReadWhole(source, text)) return Fail(source, "cannot read the page source");
    const PageParseResult parsed = ParsePageSource(text);
    if (parsed.error)
        return Fail(source + ":" + std::to_string(parsed.error->line), parsed.error->message);

    std::string bytes;
    if (rtf) {
        if (const auto missing = FirstCharacterOutsideCp1251(parsed.page)) {
            std::cerr << source << ":" << missing->line << ": warning: " << missing->message
                      << " (written as a Unicode escape)\n";
        }
        bytes = WriteRtf(PageToRichDocument(parsed.page));
    } else {
        const PageTextResult plain = PageToCp1251Text(parsed.page);
        if (plain.error)
            return Fail(source + ":" + std::to_string(plain.error->line), plain.error->message);
        bytes = plain.bytes;
    }

    std::string why;
    if (!WriteAtomically(output, bytes, why)) return Fail(source, why);
    return 0;
}
