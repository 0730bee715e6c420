// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pdf_text_layer.h"

#include "widgets/ideograph_equivalents.h"

#include <vector>

namespace {

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// The character a reader should get for the one a map names, as four hex digits; the same
// digits when it needs no change.
QByteArray Mended(const QByteArray& hex) {
    bool ok = false;
    const uint code = hex.toUInt(&ok, 16);
    if (!ok) return hex;
    if (code == 0x09) return QByteArrayLiteral("0020");
    // A radical or stroke character drawn with an ideograph's glyph names that ideograph.
    const char16_t ideograph = EquivalentIdeograph(static_cast<char16_t>(code));
    if (ideograph == 0) return hex;
    return QByteArray::number(ideograph, 16).toUpper().rightJustified(4, '0');
}

// Mends the characters "<XXXX>" of one line of a map. In a range "<lo> <hi> <start>" the start
// counts up through the range, so it is mended only for a range of one glyph; in a list
// "<lo> <hi> [<a> <b> …]" every character is, and in a single "<glyph> <character>" the one.
void MendLine(char* line, int length, bool ranges) {
    std::vector<int> at;  // where the digits of each "<XXXX>" start
    int listFrom = -1;    // the first token inside "[…]"
    for (int i = 0; i < length; ++i) {
        if (line[i] == '[' && listFrom < 0) listFrom = static_cast<int>(at.size());
        if (line[i] != '<' || i + 5 >= length || line[i + 5] != '>') continue;
        bool hex = true;
        for (int k = 1; k <= 4; ++k) hex = hex && IsHex(line[i + k]);
        if (!hex) continue;
        at.push_back(i + 1);
        i += 5;
    }
    auto mend = [line](int start) {
        const QByteArray mended = Mended(QByteArray(line + start, 4));
        for (int k = 0; k < 4; ++k) line[start + k] = mended[k];
    };
    if (!ranges) {
        if (at.size() == 2) mend(at[1]);
        return;
    }
    if (listFrom >= 0) {
        for (std::size_t t = static_cast<std::size_t>(listFrom); t < at.size(); ++t) mend(at[t]);
    } else if (at.size() == 3 && QByteArray(line + at[0], 4) == QByteArray(line + at[1], 4)) {
        mend(at[2]);
    }
}

void MendBlocks(QByteArray& pdf, const QByteArray& begin, const QByteArray& end, bool ranges) {
    for (int from = pdf.indexOf(begin); from >= 0; from = pdf.indexOf(begin, from)) {
        const int stop = pdf.indexOf(end, from);
        if (stop < 0) return;
        char* data = pdf.data();
        int lineStart = from + begin.size();
        while (lineStart < stop) {
            int lineEnd = pdf.indexOf('\n', lineStart);
            if (lineEnd < 0 || lineEnd > stop) lineEnd = stop;
            MendLine(data + lineStart, lineEnd - lineStart, ranges);
            lineStart = lineEnd + 1;
        }
        from = stop;
    }
}

}  // namespace

void MendTextLayer(QByteArray& pdf) {
    MendBlocks(pdf, QByteArrayLiteral("beginbfrange"), QByteArrayLiteral("endbfrange"), true);
    MendBlocks(pdf, QByteArrayLiteral("beginbfchar"), QByteArrayLiteral("endbfchar"), false);
}
