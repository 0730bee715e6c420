#pragma once
// The conversion error raised by the engines and the file readers, with fixed English messages
// ("Invalid year", "Invalid day", "Date invalid due to calendar change", ...).
#include <stdexcept>
#include <string>

class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};
