// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The table file (".gvt"): an INI file that keeps the two inputs that are not derived, the table
// date and the azimuth. Everything else is recomputed after opening.
//
//   [TITLE]
//   Title=gvt
//   [Fild1]
//   Date=37665,8079649306     day count with the time of day, the user's decimal separator
//   Azimut=95                 whole degrees; a tenth as "187,5" (the date's separator)
#include <string>

#include "astro/julian_day.h"

struct TableFileContents {
    Moment date = 0;
    double azimuth = 0;  // degrees 0..360, to a tenth
};

// Writes the three keys into the file, keeping any other line of an existing file, and replaces
// the file atomically. Raises EFileError (text/ini_file.h) when it cannot be written.
// A whole azimuth is written as an integer, as every reader of the file expects.
void SaveTableFile(const std::string& path, Moment date, double azimuth, char decimalSeparator);

// Reads a table file. A missing "Date" gives `now`, a missing "Azimut" 0. A "Date" is read with
// either decimal separator. Raises EConvertError for a "Date" that is not a number or lies
// outside the dates of the table (1900-01-01 .. 9000-01-01), or an "Azimut" that is neither an
// integer nor a number to a tenth (either separator) within 0..360, its message naming the file,
// the key and the value; EFileError when the file cannot be read (IniFile::Load). Nothing is
// returned half-read: the caller applies the values only when the whole file has been read.
TableFileContents ReadTableFile(const std::string& path, Moment now);

// True for the extensions the program opens from its command line: ".gvt", ".GVT", ".Gvt".
bool IsTableFileName(const std::string& path);
