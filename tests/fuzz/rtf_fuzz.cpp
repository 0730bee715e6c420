// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader on any bytes: valid UTF-8 text and font names, sizes in range, and what it read
// written by our writer reads back as the same document.
#include <cstdint>

#include "fuzz_checks.h"
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const RichDocument doc = ReadRtf(input);
    for (const RichParagraph& p : doc) {
        for (const TextRun& run : p.runs) {
            FUZZ_CHECK(IsValidUtf8(run.text));
            FUZZ_CHECK(IsValidUtf8(run.style.fontName));
            FUZZ_CHECK(run.style.pointSize >= 0 && run.style.pointSize <= 1638);
            FUZZ_CHECK(run.style.colour <= 0xFFFFFF);
        }
    }
    const std::string written = WriteRtf(doc);
    const RichDocument back = ReadRtf(written);
    if (!SameDocument(doc, back)) {
        std::fprintf(stderr, "read:\n%s\nread back:\n%s\n", DescribeDocument(doc).c_str(),
                     DescribeDocument(back).c_str());
        FUZZ_CHECK(SameDocument(doc, back));
    }
    FUZZ_CHECK(WriteRtf(back) == written);
    return 0;
}
