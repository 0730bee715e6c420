// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The body of the fuzz targets of the files users hand each other: any bytes read as such a file,
// what was read checked (and its chart computed), saved, and read back as the same.
#include <QDir>
#include <QTemporaryDir>
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz_checks.h"
#include "text/gavrosin_error.h"

// The input file and the saved file of a run, in a folder made once for all runs: in memory
// where the system has such a folder, since every save waits for the disk otherwise.
struct RoundTripFiles {
    explicit RoundTripFiles(const char* extension)
        : input(dir.filePath(QStringLiteral("in.%1").arg(extension)).toStdString()),
          output(dir.filePath(QStringLiteral("out.%1").arg(extension)).toStdString()) {}
    QTemporaryDir dir{(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                 : QDir::tempPath()) +
                      QStringLiteral("/gavrosin-fuzz-XXXXXX")};
    std::string input;
    std::string output;
};

// `read(path)` gives the contents or throws a GavrosinError for a value that does not read (its
// message names it, nothing is loaded: the run ends there); `check(contents)` checks them,
// `save(path, contents)` writes them, and what is read back must equal them.
template <typename Read, typename Check, typename Save>
int ReadCheckSaveReadBack(const RoundTripFiles& files, const std::uint8_t* data, std::size_t size,
                          Read read, Check check, Save save) {
    {
        std::ofstream file(files.input, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    decltype(read(files.input)) contents;
    try {
        contents = read(files.input);
    } catch (const GavrosinError&) {
        return 0;
    }
    check(contents);
    save(files.output, contents);
    FUZZ_CHECK(read(files.output) == contents);
    return 0;
}
