// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader behind the person and table files: read, write a key, save, read again. The key
// reads back as written and every line the write does not own keeps its bytes.
//
// Input: "section\0key\0value\0file bytes"; an input without three NULs is a whole file, written
// with the person file's name key.
#include <cstdint>

#include "fuzz_checks.h"
#include "text/cp1251.h"
#include "text/ini_file.h"

namespace {

std::vector<std::string> ByteLines(const std::string& bytes) {
    return IniFile::FromText(bytes).Lines();  // splitting only: line ends are ASCII
}

// Section and key names the program uses are plain words; keep the fuzzer's to letters and digits.
std::string Name(const std::string& raw, const char* fallback) {
    std::string name;
    for (char c : raw)
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) name += c;
    return name.empty() ? fallback : name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> f =
        SplitFields(std::string(reinterpret_cast<const char*>(data), size), '\0', 3);
    const bool fields = f.size() == 4;
    const std::string file = fields ? f[3] : f[0];
    const std::string section = fields ? Name(f[0], "Fild1") : "Fild1";
    const std::string key = fields ? Name(f[1], "Name") : "Name";
    // A value as typed: one line, characters of the code page.
    std::string valueBytes = fields ? f[2] : "\xc8\xe2\xe0\xed";
    for (char& c : valueBytes)
        if (c == '\r' || c == '\n' || c == '\x98') c = ' ';
    const std::string value = Cp1251ToUtf8(valueBytes);

    IniFile ini = IniFile::FromBytes(file);
    const std::string before = ini.Bytes();
    // Nothing written yet: the file's lines come back byte for byte (line ends become CR LF).
    FUZZ_CHECK(ByteLines(before) == ByteLines(file));
    for (const std::string& line : ini.Lines()) FUZZ_CHECK(IsValidUtf8(line));

    ini.WriteString(section, key, value);
    const std::string saved = ini.Bytes();
    const IniFile reread = IniFile::FromBytes(saved);
    FUZZ_CHECK(reread.Value(section, key) == ini.Value(section, key));
    const std::optional<std::string> expected =
        IniFile::FromText("[S]\r\nK=" + value + "\r\n").Value("S", "K");
    FUZZ_CHECK(reread.Value(section, key) == expected);

    // The old lines are all still there, in order; the write replaced one or added at most two.
    const std::vector<std::string> a = ByteLines(before);
    const std::vector<std::string> b = ByteLines(saved);
    FUZZ_CHECK(b.size() >= a.size() && b.size() <= a.size() + 2);
    std::size_t prefix = 0;
    while (prefix < a.size() && a[prefix] == b[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < a.size() - prefix && a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
        ++suffix;
    const std::size_t kept = prefix + suffix;
    FUZZ_CHECK(b.size() == a.size() ? kept + 1 >= a.size() : kept == a.size());
    return 0;
}
