// SPDX-License-Identifier: GPL-3.0-or-later
// The place search of the birth-place picker and of --place on any typed text: folding gives
// valid UTF-8 and is stable (folding twice changes nothing), the search returns distinct places
// of the table within the limit, and a place's own folded name finds that place.
//
// The search reads every place for every text, so over the whole table of some 135,000 places a
// run managed two inputs a second. It searches a sample of the table instead, loaded once: the
// most populous places (the longest lists of names) and every thousandth of the others, down to
// the villages.
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdint>
#include <set>

#include "astro/place_table.h"
#include "fuzz_checks.h"

namespace {

constexpr int kMostPopulous = 16;
constexpr int kEveryOther = 1000;

[[noreturn]] void Fail(const QString& why) {
    std::fprintf(stderr, "%s\n", qPrintable(why));
    std::abort();
}

// The sample of the table of the build folder (the data is copied beside the executables): its
// country and zone lines, and the places chosen, in the table's order.
QByteArray SampleOfTable() {
    const QString folder = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
    QFile file(QFileInfo(folder).absolutePath() + QStringLiteral("/places.tsv.z"));
    if (!file.open(QIODevice::ReadOnly)) Fail(file.errorString());
    QByteArray sample;
    int place = 0;
    for (const QByteArray& line : qUncompress(file.readAll()).split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#') && !line.startsWith('@')) {
            const int index = place++;
            if (index >= kMostPopulous && index % kEveryOther != 0) continue;
        }
        sample += line + '\n';
    }
    return qCompress(sample);
}

const PlaceTable& Table() {
    static const std::unique_ptr<PlaceTable> table = [] {
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("places.tsv.z"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(SampleOfTable()) < 0) Fail(path);
        file.close();
        QString error;
        auto loaded = PlaceTable::Load(path, &error);
        if (!loaded) Fail(error);
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
