// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// INI-style files of the person and table files: "[Section]" lines and "Key=Value" lines,
// Windows-1251 on disk, CR LF line ends. Reading follows the platform's profile routines (section
// and key names compared without regard to case, blanks around names and values ignored, one pair
// of enclosing quotes removed from a value); writing a key changes only that key's line and keeps
// every other line of the file. Text held in memory is UTF-8; a line read from a file and not
// changed is written back with its original bytes (a byte the code page leaves undefined
// included), so a save never alters what the program does not own.
#include <optional>
#include <string>
#include <vector>

#include "text/gavrosin_error.h"

// A file that cannot be read or written.
class EFileError : public GavrosinError {
public:
    explicit EFileError(const std::string& message) : GavrosinError(message) {}
};

class IniFile {
public:
    IniFile() = default;

    // The lines of a text (UTF-8); CR LF, LF and CR all end a line.
    static IniFile FromText(const std::string& utf8);
    // The lines of a Windows-1251 file's bytes, each remembering its original bytes.
    static IniFile FromBytes(const std::string& cp1251);
    // Reads a Windows-1251 file. Raises EFileError when the file is missing or unreadable, is no
    // regular file, or is larger than the few kilobytes such a file holds (kSmallFileLimit).
    static IniFile Load(const std::string& path);
    // As Load, but a missing file gives an empty document (for writing into a new file).
    static IniFile LoadOrEmpty(const std::string& path);

    // The value of a key, or std::nullopt when the section or the key is missing.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    std::string ReadString(const std::string& section, const std::string& key,
                           const std::string& fallback) const;
    bool HasSection(const std::string& section) const;

    // Sets a key: replaces its line where it stands, or adds it after the last key of its
    // section, or adds the section at the end of the document.
    void WriteString(const std::string& section, const std::string& key, const std::string& value);

    // The document as UTF-8 text with CR LF after every line.
    std::string Text() const;
    // The document as the file's bytes: Windows-1251, CR LF after every line; unchanged lines
    // read by FromBytes keep their original bytes.
    std::string Bytes() const;
    // Writes the document in Windows-1251, replacing the file atomically (a temporary file beside
    // it, then a rename), so a failed write leaves the old file whole. Raises EFileError.
    void Save(const std::string& path) const;

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void SetLine(std::size_t at, const std::string& utf8);
    void InsertLine(std::size_t at, const std::string& utf8);

    std::vector<std::string> lines_;
    std::vector<std::string> original_;  // per line: its bytes as read, "" once set in memory
    std::vector<bool> hasOriginal_;
};

// Numbers in INI values. A real number is read with either decimal separator ("37665,5" or
// "37665.5"), as files travel between regional settings; optional sign and exponent; blanks
// around it are ignored. std::nullopt for anything else (no thousands separators, no "nan").
// The value is rounded to the 15 significant digits FormatIniFloat writes, so that what was read
// is written back unchanged.
std::optional<double> ParseIniFloat(const std::string& text);
// A decimal integer with optional sign; std::nullopt for anything else or out of int range.
std::optional<int> ParseIniInteger(const std::string& text);
// A real number as the platform writes it (15 significant digits, no exponent for ordinary
// magnitudes, no trailing zeros) with the given decimal separator.
std::string FormatIniFloat(double value, char decimalSeparator);
// The message of a file refused for one value: the file, the key, the value (its first words when
// long) and what is wrong with it ("не число"), in the words the user sees.
std::string BadIniValueMessage(const std::string& path, const std::string& key,
                               const std::string& value, const std::string& what);
