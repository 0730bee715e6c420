// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The common base of the system's own errors: the conversion error of the engines, the file
// error of the readers and writers, the out-of-range error of the moon-phase search and the
// command line's argument error. A caller that only reports an error catches this one type; the
// message is the text shown to the user as it stands.
#include <stdexcept>
#include <string>

class GavrosinError : public std::runtime_error {
public:
    explicit GavrosinError(const std::string& message) : std::runtime_error(message) {}
};
