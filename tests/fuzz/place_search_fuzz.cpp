// SPDX-License-Identifier: GPL-3.0-or-later
// The place search of the birth-place picker and of --place on any typed text: folding gives
// valid UTF-8 and is stable (folding twice changes nothing), the search returns distinct places
// of the table within the limit, and a place's own folded name finds that place.
#include <QFileInfo>
#include <cstdint>
#include <set>

#include "astro/place_table.h"
#include "fuzz_checks.h"

namespace {

// The table of the build folder (the data is copied beside the executables).
const PlaceTable& Table() {
    static const std::unique_ptr<PlaceTable> table = [] {
        const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
        QString error;
        auto loaded = PlaceTable::Load(
            QFileInfo(folder).absolutePath() + QStringLiteral("/places.tsv.z"), &error);
        if (!loaded) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            std::abort();
        }
        return loaded;
    }();
    return *table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kLimit = 20;
    const PlaceTable& table = Table();
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (!IsValidUtf8(text)) return 0;  // the picker's line edit gives text, never stray bytes
    const std::string folded = FoldForSearch(text);
    FUZZ_CHECK(IsValidUtf8(folded));
    FUZZ_CHECK(FoldForSearch(folded) == folded);

    const std::vector<std::size_t> found = table.Search(text, kLimit);
    FUZZ_CHECK(found.size() <= kLimit);
    FUZZ_CHECK(folded.empty() ? found.empty() : true);
    FUZZ_CHECK(std::set<std::size_t>(found.begin(), found.end()).size() == found.size());
    for (const std::size_t index : found) FUZZ_CHECK(index < table.size());
    // A result's own name, searched, finds a place of that very name first.
    if (!found.empty()) {
        const Place& first = table.at(found.front());
        const std::vector<std::size_t> again = table.Search(first.name, 1);
        FUZZ_CHECK(!again.empty() &&
                   FoldForSearch(table.at(again.front()).name) == FoldForSearch(first.name));
    }
    return 0;
}
