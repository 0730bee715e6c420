// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The conversion error raised by the engines and the file readers, with fixed English messages
// ("Invalid year", "Invalid day", "Date invalid due to calendar change", ...).
#include <string>

#include "text/gavrosin_error.h"

class EConvertError : public GavrosinError {
public:
    explicit EConvertError(const std::string& message) : GavrosinError(message) {}
};
