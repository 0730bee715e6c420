#pragma once
// Writing a whole file at once: the bytes go to a temporary file beside it, which then replaces
// the file, so a failed write (a full disk, no permission) leaves the old file whole and no half
// file behind.
#include <string>

// Raises EFileError (text/ini_file.h), naming the file, when it cannot be written.
void WriteFileAtomically(const std::string& path, const std::string& bytes);
