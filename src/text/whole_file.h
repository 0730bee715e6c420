// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a file whole and replacing a file whole: the one path through which every reader and
// writer of the user's files (person and table files, notes, text report, RTF) goes, so none can
// forget a check. Failures come back as the message the user sees: Russian, naming the file and
// saying what to do.
#include <cstddef>
#include <string>

// The most a reader takes in. A person or table file holds a few hundred bytes; the other files
// read whole (notes, batch lists, pages, pictures, settings) stay far below the larger limit.
constexpr std::size_t kSmallFileLimit = std::size_t(1) << 20;   // 1 MB
constexpr std::size_t kLargeFileLimit = std::size_t(64) << 20;  // 64 MB

// Reads the file's bytes. Only a regular file is read (a link is followed to what it names):
// a folder, a pipe or a device is refused before anything is read, and so is a file larger than
// `limit`, so that no file handed to the program can make it wait for ever or run out of memory.
// Returns "" or the message ("Не удалось открыть файл «…»: …", "Файл «…» не открыт: …").
std::string ReadWholeFile(const std::string& path, std::string& bytes,
                          std::size_t limit = kLargeFileLimit);

// Replaces the file with `bytes` atomically: written to a hidden temporary file beside it
// (".<name>.gavrosin-XXXXXX.tmp"), flushed to the disk and checked, then renamed over it. On any
// failure (a full disk included) the temporary file is removed, an existing file keeps its old
// content, and the message says why ("Диск заполнен…", "Нет прав на запись в папку…"). Such
// temporaries left by a killed save are removed by the next save of the file once a minute old;
// no other file is touched. Returns "" on success.
std::string ReplaceWholeFile(const std::string& path, const std::string& bytes);

// The message of a save of `path` the system refused with `error` (an errno value, 0 when not
// known) while `needed` bytes were to be written, worded as ReplaceWholeFile words it: a full
// disk (also when the disk has less room than `needed`), no right to write, a failed write.
std::string SaveFailureMessage(int error, const std::string& path, std::size_t needed);

// Tests only: while an object lives, every ReplaceWholeFile fails at the flush as if the system
// had reported `error` (an errno value such as ENOSPC), so the failure path is exercised where a
// full filesystem cannot be mounted.
class ScopedSaveFault {
public:
    explicit ScopedSaveFault(int error);
    ~ScopedSaveFault();
    ScopedSaveFault(const ScopedSaveFault&) = delete;
    ScopedSaveFault& operator=(const ScopedSaveFault&) = delete;
};
