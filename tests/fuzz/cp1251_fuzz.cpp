// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1251 <-> UTF-8: any bytes give valid UTF-8, and the code page's bytes come back.
#include <cstdint>

#include "fuzz_checks.h"
#include "text/cp1251.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    // As file bytes: valid UTF-8, and every byte (the unassigned 0x98 too) survives the way back.
    const std::string utf8 = Cp1251ToUtf8(input);
    FUZZ_CHECK(IsValidUtf8(utf8));
    const std::string back = Utf8ToCp1251(utf8);
    FUZZ_CHECK(back == input);

    // As text from elsewhere (maybe malformed UTF-8): one byte per character at most, and what
    // comes out reads as valid UTF-8 again.
    const std::string bytes = Utf8ToCp1251(input);
    FUZZ_CHECK(bytes.size() <= input.size());
    FUZZ_CHECK(IsValidUtf8(Cp1251ToUtf8(bytes)));
    return 0;
}
