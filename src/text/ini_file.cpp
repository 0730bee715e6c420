// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/ini_file.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cctype>
#include <charconv>
#include <cmath>

#include "text/cp1251.h"
#include "text/whole_file.h"

namespace {

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

// The section named by a "[Name]" line, or std::nullopt for any other line.
std::optional<std::string> SectionOfLine(const std::string& line) {
    const std::string t = Trimmed(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const auto close = t.find(']');
    return Trimmed(t.substr(1, close == std::string::npos ? std::string::npos : close - 1));
}

// The key of a "Key=Value" line, or std::nullopt for any other line.
std::optional<std::string> KeyOfLine(const std::string& line) {
    const auto eq = line.find('=');
    if (eq == std::string::npos || SectionOfLine(line)) return std::nullopt;
    return Trimmed(line.substr(0, eq));
}

std::string ValueOfLine(const std::string& line) {
    std::string v = Trimmed(line.substr(line.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return v;
}

// Index of the section's header line, or -1.
int FindSection(const std::vector<std::string>& lines, const std::string& section) {
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionOfLine(lines[i]);
        if (name && SameName(*name, section)) return static_cast<int>(i);
    }
    return -1;
}

// Index of the key's line inside the section starting after `header`, or -1.
int FindKey(const std::vector<std::string>& lines, int header, const std::string& key) {
    for (size_t i = header + 1; i < lines.size() && !SectionOfLine(lines[i]); ++i) {
        const auto name = KeyOfLine(lines[i]);
        if (name && SameName(*name, key)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

IniFile IniFile::FromText(const std::string& utf8) {
    IniFile file;
    std::string line;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\r' || c == '\n') {
            file.lines_.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) file.lines_.push_back(line);
    file.original_.assign(file.lines_.size(), std::string());
    file.hasOriginal_.assign(file.lines_.size(), false);
    return file;
}

IniFile IniFile::FromBytes(const std::string& cp1251) {
    // Line ends are ASCII in the code page, so the byte lines and the text lines correspond.
    IniFile bytes = FromText(cp1251);
    IniFile file;
    file.original_ = std::move(bytes.lines_);
    file.hasOriginal_.assign(file.original_.size(), true);
    file.lines_.reserve(file.original_.size());
    for (const std::string& line : file.original_) file.lines_.push_back(Cp1251ToUtf8(line));
    return file;
}

IniFile IniFile::Load(const std::string& path) {
    std::string bytes;
    const std::string error = ReadWholeFile(path, bytes, kSmallFileLimit);
    if (!error.empty()) throw EFileError(error);
    return FromBytes(bytes);
}

IniFile IniFile::LoadOrEmpty(const std::string& path) {
    if (!QFileInfo::exists(QString::fromStdString(path))) return IniFile();
    return Load(path);
}

std::optional<std::string> IniFile::Value(const std::string& section,
                                          const std::string& key) const {
    const int header = FindSection(lines_, section);
    if (header < 0) return std::nullopt;
    const int at = FindKey(lines_, header, key);
    if (at < 0) return std::nullopt;
    return ValueOfLine(lines_[at]);
}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
    return Value(section, key).value_or(fallback);
}

bool IniFile::HasSection(const std::string& section) const {
    return FindSection(lines_, section) >= 0;
}

void IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
    const std::string line = key + "=" + value;
    const int header = FindSection(lines_, section);
    if (header < 0) {
        InsertLine(lines_.size(), "[" + section + "]");
        InsertLine(lines_.size(), line);
        return;
    }
    const int at = FindKey(lines_, header, key);
    if (at >= 0) {
        SetLine(static_cast<std::size_t>(at), line);
        return;
    }
    // After the section's last key line, so blank lines before the next section stay there.
    size_t insertAt = header + 1;
    for (size_t i = header + 1; i < lines_.size() && !SectionOfLine(lines_[i]); ++i) {
        if (KeyOfLine(lines_[i])) insertAt = i + 1;
    }
    InsertLine(insertAt, line);
}

void IniFile::SetLine(std::size_t at, const std::string& utf8) {
    lines_[at] = utf8;
    original_[at].clear();
    hasOriginal_[at] = false;
}

void IniFile::InsertLine(std::size_t at, const std::string& utf8) {
    const auto offset = static_cast<std::ptrdiff_t>(at);
    lines_.insert(lines_.begin() + offset, utf8);
    original_.insert(original_.begin() + offset, std::string());
    hasOriginal_.insert(hasOriginal_.begin() + offset, false);
}

std::string IniFile::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

std::string IniFile::Bytes() const {
    std::string bytes;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        bytes += hasOriginal_[i] ? original_[i] : Utf8ToCp1251(lines_[i]);
        bytes += "\r\n";
    }
    return bytes;
}

void IniFile::Save(const std::string& path) const {
    const std::string error = ReplaceWholeFile(path, Bytes());
    if (!error.empty()) throw EFileError(error);
}

std::optional<double> ParseIniFloat(const std::string& text) {
    std::string t = Trimmed(text);
    // Accept exactly: [sign] digits [separator digits] [e [sign] digits], with at least one digit
    // in the mantissa; either separator.
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    int digits = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    if (i < t.size() && (t[i] == ',' || t[i] == '.')) {
        t[i] = '.';
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
        int expDigits = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != t.size()) return std::nullopt;
    // from_chars takes no '+' and reads the number independently of the C locale.
    const size_t start = t[0] == '+' ? 1 : 0;
    double value = 0;
    const auto r = std::from_chars(t.data() + start, t.data() + t.size(), value);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    // One rounding rule for reading and writing: the value as FormatIniFloat writes it (15
    // significant digits). A file that opens then saves to a file that opens: the day count
    // 2593224,9999999995 reads as 2593225, which the date range refuses at once, instead of
    // opening and then being saved as a date no reader takes.
    char buffer[64];
    const auto w =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::from_chars(buffer, w.ptr, value);
    return value;
}

std::optional<int> ParseIniInteger(const std::string& text) {
    const std::string t = Trimmed(text);
    const size_t start = !t.empty() && t[0] == '+' ? 1 : 0;
    if (start == t.size()) return std::nullopt;
    if (start == 1 && t.size() > 1 && t[1] == '-') return std::nullopt;
    int value = 0;
    const auto r = std::from_chars(t.data() + start, t.data() + t.size(), value);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size()) return std::nullopt;
    return value;
}

std::string FormatIniFloat(double value, char decimalSeparator) {
    char buffer[64];
    const auto r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::string s(buffer, r.ptr);
    for (char& c : s) {
        if (c == '.') c = decimalSeparator;
    }
    return s;
}

std::string BadIniValueMessage(const std::string& path, const std::string& key,
                               const std::string& value, const std::string& what) {
    // A value of a damaged file may be any length: a few words of it say which it is.
    constexpr int kShown = 40;
    QString shown = QString::fromStdString(value);
    if (shown.size() > kShown) shown = shown.left(kShown) + QStringLiteral("…");
    return "Файл «" + QDir::toNativeSeparators(QString::fromStdString(path)).toStdString() +
           "» не открыт: " + key + "=«" + shown.toStdString() + "» — " + what +
           ". Исправьте значение или выберите другой файл.";
}
