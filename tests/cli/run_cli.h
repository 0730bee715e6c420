// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the built gavrosin-cli with arguments and captures what it printed and its exit code.
#include <sys/wait.h>
#include <unistd.h>
#include <array>
#include <cstdio>
#include <string>

struct CliRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string ReadWholeFile(const std::string& path) {
    std::string text;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        std::array<char, 4096> buf;
        std::size_t n;
        while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0) text.append(buf.data(), n);
        std::fclose(f);
    }
    return text;
}

// `arguments` is pasted into a shell command line: tests pass only fixed, quoted words. With
// `seconds`, a run that would never end is stopped then (exit code 124).
inline CliRun RunCli(const std::string& arguments, int seconds = 0) {
    static int counter = 0;
    const std::string errPath = std::string(GAVROSIN_BINARY_DIR) + "/cli_test_stderr_" +
                                std::to_string(::getpid()) + "_" + std::to_string(counter++) +
                                ".txt";
    const std::string command =
        (seconds > 0 ? "timeout " + std::to_string(seconds) + " " : std::string()) +
        GAVROSIN_BINARY_DIR + "/gavrosin-cli " + arguments + " 2>" + errPath;
    CliRun run;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        std::array<char, 4096> buf;
        std::size_t n;
        while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
        const int status = ::pclose(pipe);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    run.err = ReadWholeFile(errPath);
    std::remove(errPath.c_str());
    return run;
}
