// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rtf_reader.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unordered_map>

#include "text/cp1251.h"
#include "text/utf8.h"

namespace {

// Limits that keep malformed input harmless.
constexpr std::size_t kMaxGroupDepth = 2048;
constexpr std::size_t kMaxControlWordLength = 32;
constexpr long kMaxParameter = 1000000000L;
constexpr int kMaxUnicodeSkip = 16;

// Code points of the bytes 0x80..0x9F in code page 1252 (0xA0..0xFF are Latin-1 itself).
const char32_t kCp1252Low[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char32_t DecodeByte(unsigned char byte, int codePage) {
    if (byte < 0x80) return byte;
    if (codePage == 1252) return byte < 0xA0 ? kCp1252Low[byte - 0x80] : byte;
    return Cp1251ToCodePoint(byte);
}

// The UTF-8 of every byte of a code page, made once: text is decoded by a lookup per byte. A
// control character other than tab and line break has no place in a text and is empty here.
struct Utf8OfByte {
    char bytes[3];
    unsigned char length;
};
using ByteTable = std::array<Utf8OfByte, 256>;

ByteTable MakeByteTable(int codePage) {
    ByteTable table{};
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = DecodeByte(static_cast<unsigned char>(b), codePage);
        if (cp < 0x20 && cp != U'\t' && cp != U'\n') continue;
        std::string utf8;
        AppendUtf8CodePoint(utf8, cp);
        std::copy(utf8.begin(), utf8.end(), table[b].bytes);
        table[b].length = static_cast<unsigned char>(utf8.size());
    }
    return table;
}

const ByteTable& BytesOfCodePage(int codePage) {
    static const ByteTable k1251 = MakeByteTable(1251);
    static const ByteTable k1252 = MakeByteTable(1252);
    return codePage == 1252 ? k1252 : k1251;
}

// The value of each byte as a hexadecimal digit, -1 for any other byte.
constexpr std::array<signed char, 256> MakeHexDigits() {
    std::array<signed char, 256> digits{};
    for (int b = 0; b < 256; ++b) {
        digits[b] = b >= '0' && b <= '9'   ? static_cast<signed char>(b - '0')
                    : b >= 'a' && b <= 'f' ? static_cast<signed char>(b - 'a' + 10)
                    : b >= 'A' && b <= 'F' ? static_cast<signed char>(b - 'A' + 10)
                                           : -1;
    }
    return digits;
}
constexpr std::array<signed char, 256> kHexDigits = MakeHexDigits();

// The bytes that stand for themselves in a text: neither a brace nor a backslash, and no
// control character but the tab.
constexpr std::array<bool, 256> MakeTextBytes() {
    std::array<bool, 256> text{};
    for (int b = 0; b < 256; ++b)
        text[b] = b >= 0x20 ? b != '{' && b != '}' && b != '\\' : b == '\t';
    return text;
}
constexpr std::array<bool, 256> kTextBytes = MakeTextBytes();

// The control words the reader acts on. Any other word is passed over (a word beginning with
// "ul" is one of the underline styles: \uld, \ulw, ...).
enum class Word {
    Other,
    Bin,
    Uc,
    U,
    F,
    Fcharset,
    Red,
    Green,
    Blue,
    Ansicpg,
    Deff,
    Fonttbl,
    Colortbl,
    SkippedDestination,  // a destination whose text is not part of the document
    Paragraph,           // \par, \sect, \page, \row
    Pard,
    Fi,
    Li,
    Ri,
    Plain,
    Ql,
    Qc,
    Qr,
    Qj,  // \qj, \qd
    B,
    I,
    Ulnone,
    Ulc,
    Underline,
    Fs,
    Cf,
    NamedCharacter,  // a special character: \line, \tab, \emdash, ...
};

struct WordMeaning {
    Word word = Word::Other;
    char32_t character = 0;  // of a NamedCharacter
};

// Looked up once per control word, in a hash table: not a comparison with every known word in
// turn.
WordMeaning MeaningOf(std::string_view name) {
    static const std::unordered_map<std::string_view, WordMeaning> kWords = [] {
        std::unordered_map<std::string_view, WordMeaning> words;
        const std::pair<const char*, Word> kActions[] = {
            {"bin", Word::Bin},
            {"uc", Word::Uc},
            {"u", Word::U},
            {"f", Word::F},
            {"fcharset", Word::Fcharset},
            {"red", Word::Red},
            {"green", Word::Green},
            {"blue", Word::Blue},
            {"ansicpg", Word::Ansicpg},
            {"deff", Word::Deff},
            {"fonttbl", Word::Fonttbl},
            {"colortbl", Word::Colortbl},
            {"par", Word::Paragraph},
            {"sect", Word::Paragraph},
            {"page", Word::Paragraph},
            {"row", Word::Paragraph},
            {"pard", Word::Pard},
            {"fi", Word::Fi},
            {"li", Word::Li},
            {"ri", Word::Ri},
            {"plain", Word::Plain},
            {"ql", Word::Ql},
            {"qc", Word::Qc},
            {"qr", Word::Qr},
            {"qj", Word::Qj},
            {"qd", Word::Qj},
            {"b", Word::B},
            {"i", Word::I},
            {"ulnone", Word::Ulnone},
            {"ulc", Word::Ulc},
            {"fs", Word::Fs},
            {"cf", Word::Cf},
        };
        for (const auto& [name, word] : kActions) words.emplace(name, WordMeaning{word, 0});
        const char* const kSkipped[] = {
            "author",
            "buptim",
            "category",
            "comment",
            "company",
            "creatim",
            "datastore",
            "do",
            "doccomm",
            "docvar",
            "falt",
            "fldinst",
            "filetbl",
            "footer",
            "footerf",
            "footerl",
            "footerr",
            "footnote",
            "ftncn",
            "ftnsep",
            "ftnsepc",
            "generator",
            "header",
            "headerf",
            "headerl",
            "headerr",
            "info",
            "keywords",
            "latentstyles",
            "listoverridetable",
            "listtable",
            "manager",
            "nonshppict",
            "object",
            "operator",
            "panose",
            "pgdsctbl",
            "pict",
            "pn",
            "pntxta",
            "pntxtb",
            "printim",
            "private",
            "revtbl",
            "revtim",
            "rsidtbl",
            "shp",
            "shpinst",
            "stylesheet",
            "subject",
            "template",
            "themedata",
            "title",
            "txe",
            "xe",
            "xmlnstbl",
            "colorschememapping",
            "mmathPr",
            "bkmkstart",
            "bkmkend",
            "wgrffmtfilter",
        };
        for (const char* name : kSkipped)
            words.emplace(name, WordMeaning{Word::SkippedDestination, 0});
        const std::pair<const char*, char32_t> kNamed[] = {
            {"line", U'\n'},       {"tab", U'\t'},        {"cell", U'\t'},     {"emdash", 0x2014},
            {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
            {"qmspace", 0x2005},
        };
        for (const auto& [name, cp] : kNamed)
            words.emplace(name, WordMeaning{Word::NamedCharacter, cp});
        return words;
    }();
    if (const auto it = kWords.find(name); it != kWords.end()) return it->second;
    if (name.size() >= 2 && name[0] == 'u' && name[1] == 'l')
        return WordMeaning{Word::Underline, 0};
    return {};
}

enum class Destination { Text, Skip, FontTable, ColourTable };

// Everything an RTF group saves and restores.
struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    long halfPoints = 0;
    long colourIndex = 0;
    long fontNumber = -1;  // -1: the document's default font
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    ParagraphIndents indents;
    int unicodeSkip = 1;
    Destination destination = Destination::Text;
};

struct FontEntry {
    long number = 0;
    long charset = -1;
    std::string name;  // UTF-8
};

struct ColourEntry {
    bool defined = false;  // false: "auto", the default colour
    std::uint32_t rgb = 0;
};

class RtfParser {
public:
    explicit RtfParser(const std::string& bytes) : in_(bytes) { stack_.emplace_back(); }

    RichDocument Parse() {
        while (pos_ < in_.size() && !finished_) Step();
        if (!paragraph_.runs.empty()) EndParagraph();
        return std::move(doc_);
    }

private:
    GroupState& State() { return stack_.back(); }

    void Step() {
        if (pendingSkip_ == 0 && State().destination == Destination::Text && TextAt(pos_)) {
            Text();
            return;
        }
        const unsigned char c = static_cast<unsigned char>(in_[pos_]);
        if (c == '{') {
            ++pos_;
            OpenGroup();
        } else if (c == '}') {
            ++pos_;
            CloseGroup();
        } else if (c == '\\') {
            ControlSequence();
        } else {
            ++pos_;
            if (c == '\r' || c == '\n' || (c < 0x20 && c != '\t')) return;
            // Only a ';' as it stands ends a font's name; an escaped one (\'3b) belongs to it.
            if (c == ';' && State().destination == Destination::FontTable) {
                if (!ConsumeSkipped()) CommitFont();
                return;
            }
            Character(DecodeByte(c, TextCodePage()));
        }
    }

    // True when a character of the text begins at `at`: a byte that stands for itself, or a
    // whole escape \'hh.
    bool TextAt(std::size_t at) const {
        const auto c = static_cast<unsigned char>(in_[at]);
        if (kTextBytes[c]) return true;
        return c == '\\' && at + 3 < in_.size() && in_[at + 1] == '\'' &&
               kHexDigits[static_cast<unsigned char>(in_[at + 2])] >= 0 &&
               kHexDigits[static_cast<unsigned char>(in_[at + 3])] >= 0;
    }

    // A stretch of text, its bytes as they stand and as \'hh (the letters of a saved text), shares
    // one style and one code page: they are looked up once for the stretch, and each character is
    // one table lookup (reading character by character made long texts slow to read).
    void Text() {
        highSurrogate_ = 0;
        const ByteTable& utf8 = BytesOfCodePage(TextCodePage());
        const unsigned char* in = reinterpret_cast<const unsigned char*>(in_.data());
        const std::size_t size = in_.size();
        // Decoded into a buffer first, appended to the run a buffer at a time; the run is made
        // for the first character kept (a control character is dropped).
        constexpr std::size_t kBuffer = 256;
        char buffer[kBuffer + sizeof(Utf8OfByte)];
        std::size_t used = 0;
        const auto flush = [&] {
            if (used > 0) CurrentRunText().append(buffer, used);
            used = 0;
        };
        while (pos_ < size) {
            unsigned char byte = in[pos_];
            if (kTextBytes[byte]) {
                ++pos_;
            } else {
                if (byte != '\\' || pos_ + 3 >= size || in[pos_ + 1] != '\'') break;
                const int hi = kHexDigits[in[pos_ + 2]];
                const int lo = kHexDigits[in[pos_ + 3]];
                if (hi < 0 || lo < 0) break;
                byte = static_cast<unsigned char>(hi * 16 + lo);
                pos_ += 4;
            }
            const Utf8OfByte& character = utf8[byte];
            std::copy(character.bytes, character.bytes + sizeof character.bytes, buffer + used);
            used += character.length;
            if (used >= kBuffer) flush();
        }
        flush();
    }

    // The text of the paragraph's last run, a new run first when the last one's style is not the
    // current one. Compared once after the style may have changed, not for every character.
    std::string& CurrentRunText() {
        const TextStyle& style = CurrentStyle();
        if (!lastRunCurrent_) {
            if (paragraph_.runs.empty() || !(paragraph_.runs.back().style == style))
                paragraph_.runs.push_back(TextRun{std::string(), style});
            lastRunCurrent_ = true;
        }
        return paragraph_.runs.back().text;
    }

    void OpenGroup() {
        pendingSkip_ = 0;
        cacheValid_ = false;
        if (stack_.size() >= kMaxGroupDepth) {
            ++overflowDepth_;
            return;
        }
        stack_.push_back(State());
    }

    void CloseGroup() {
        pendingSkip_ = 0;
        cacheValid_ = false;
        if (overflowDepth_ > 0) {
            --overflowDepth_;
            return;
        }
        if (stack_.size() <= 1) return;  // a stray closing brace
        if (State().destination == Destination::FontTable) CommitFont();
        if (stack_.size() == 2) {
            // The root group ends the document; a last paragraph without \par keeps its
            // alignment.
            if (!paragraph_.runs.empty()) EndParagraph();
            finished_ = true;
        }
        stack_.pop_back();
    }

    void ControlSequence() {
        ++pos_;  // the backslash
        if (pos_ >= in_.size()) return;
        const unsigned char c = static_cast<unsigned char>(in_[pos_]);
        if (IsLetter(static_cast<char>(c))) {
            ControlWord();
            return;
        }
        ++pos_;
        if (c == '\'') {
            HexByte();
            return;
        }
        if (ConsumeSkipped()) return;
        switch (c) {
            case '\\':
            case '{':
            case '}': Character(c); break;
            case '~': Character(0x00A0); break;
            case '-': Character(0x00AD); break;
            case '_': Character(0x2011); break;
            case '*':
                State().destination = Destination::Skip;
                cacheValid_ = false;
                break;
            case '\r':
            case '\n': Paragraph(); break;
            default: break;  // unknown control symbols are ignored
        }
    }

    void HexByte() {
        const auto hex = [&](std::size_t k) -> int {
            return k < in_.size() ? kHexDigits[static_cast<unsigned char>(in_[k])] : -1;
        };
        const int hi = hex(pos_);
        const int lo = hex(pos_ + 1);
        if (hi < 0) return;  // not an escape after all: what follows is read as text
        if (lo < 0) {
            ++pos_;  // a truncated escape is dropped
            return;
        }
        pos_ += 2;
        if (ConsumeSkipped()) return;
        Emit(DecodeByte(static_cast<unsigned char>(hi * 16 + lo), TextCodePage()));
    }

    void ControlWord() {
        char word[kMaxControlWordLength + 1];
        std::size_t length = 0;
        while (pos_ < in_.size() && IsLetter(in_[pos_])) {
            if (length < kMaxControlWordLength) word[length++] = in_[pos_];
            ++pos_;
        }
        word[length] = '\0';
        bool hasParam = false;
        bool negative = false;
        long param = 0;
        if (pos_ + 1 < in_.size() && in_[pos_] == '-' && IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        while (pos_ < in_.size() && IsDigit(in_[pos_])) {
            hasParam = true;
            // Capped before it grows: the product must fit a 32-bit long as well.
            const int digit = in_[pos_] - '0';
            param = param > (kMaxParameter - digit) / 10 ? kMaxParameter : param * 10 + digit;
            ++pos_;
        }
        if (negative) param = -param;
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
        const WordMeaning meaning = MeaningOf(std::string_view(word, length));
        // A Unicode character leaves the style as it is; any other word may change it.
        if (meaning.word != Word::U && meaning.word != Word::Uc) cacheValid_ = false;
        if (meaning.word == Word::Bin) {
            // Binary data follows; it is never text and never counts as a fallback character.
            if (hasParam && param > 0)
                pos_ += std::min<std::size_t>(static_cast<std::size_t>(param), in_.size() - pos_);
            return;
        }
        if (ConsumeSkipped()) return;
        Dispatch(meaning, hasParam, param);
    }

    void Dispatch(const WordMeaning& meaning, bool hasParam, long param) {
        GroupState& s = State();
        const bool on = !hasParam || param != 0;
        const Word w = meaning.word;
        // Unicode characters count in every destination: a font's name can hold them too.
        if (w == Word::Uc) {
            s.unicodeSkip = static_cast<int>(std::clamp(param, 0L, long{kMaxUnicodeSkip}));
            return;
        }
        if (w == Word::U) {
            Unicode(param);
            return;
        }
        if (s.destination == Destination::FontTable) {
            if (w == Word::F) {
                CommitFont();
                font_ = FontEntry{};
                font_.number = param;
                fontOpen_ = true;
            } else if (w == Word::Fcharset) {
                font_.charset = param;
            } else if (w == Word::NamedCharacter) {
                Character(meaning.character);
            }
            return;
        }
        if (s.destination == Destination::ColourTable) {
            if (w == Word::Red)
                colour_.rgb = (colour_.rgb & 0x00FFFF) | (Byte(param) << 16);
            else if (w == Word::Green)
                colour_.rgb = (colour_.rgb & 0xFF00FF) | (Byte(param) << 8);
            else if (w == Word::Blue)
                colour_.rgb = (colour_.rgb & 0xFFFF00) | Byte(param);
            else
                return;
            colour_.defined = true;
            return;
        }
        switch (w) {
            case Word::Ansicpg: codePage_ = param; return;
            case Word::Deff: defaultFont_ = param; return;
            case Word::Fonttbl: s.destination = Destination::FontTable; return;
            case Word::Colortbl: s.destination = Destination::ColourTable; return;
            case Word::SkippedDestination: s.destination = Destination::Skip; return;
            default: break;
        }
        if (s.destination != Destination::Text) return;

        switch (w) {
            case Word::Paragraph: Paragraph(); break;
            case Word::Pard:
                s.alignment = ParagraphAlignment::Left;
                s.indents = ParagraphIndents{};
                break;
            case Word::Fi: s.indents.firstLine = Twips(param); break;
            case Word::Li: s.indents.left = Twips(param); break;
            case Word::Ri: s.indents.right = Twips(param); break;
            case Word::Plain:
                s.bold = s.italic = s.underline = false;
                s.halfPoints = 0;
                s.colourIndex = 0;
                s.fontNumber = -1;
                break;
            case Word::Ql: s.alignment = ParagraphAlignment::Left; break;
            case Word::Qc: s.alignment = ParagraphAlignment::Centre; break;
            case Word::Qr: s.alignment = ParagraphAlignment::Right; break;
            case Word::Qj: s.alignment = ParagraphAlignment::Justify; break;
            case Word::B: s.bold = on; break;
            case Word::I: s.italic = on; break;
            case Word::Ulnone: s.underline = false; break;
            case Word::Underline: s.underline = on; break;
            case Word::Fs: s.halfPoints = std::clamp(param, 0L, 3276L); break;
            case Word::Cf: s.colourIndex = param; break;
            case Word::F: s.fontNumber = param; break;
            case Word::NamedCharacter: Character(meaning.character); break;
            default: break;
        }
    }

    // An indent within a page's reach (±22 inches), whatever a damaged file says.
    static int Twips(long v) { return static_cast<int>(std::clamp(v, -31680L, 31680L)); }

    static std::uint32_t Byte(long v) {
        return static_cast<std::uint32_t>(std::clamp(v, 0L, 255L));
    }

    // \uN: a UTF-16 unit, then the N fallback characters of \ucN to be skipped.
    void Unicode(long param) {
        long unit = param < 0 ? param + 0x10000 : param;
        pendingSkip_ = State().unicodeSkip;
        if (unit <= 0 || unit > 0xFFFF) return;
        const auto u = static_cast<char32_t>(unit);
        if (u >= 0xD800 && u <= 0xDBFF) {
            highSurrogate_ = u;
            return;
        }
        if (u >= 0xDC00 && u <= 0xDFFF) {
            if (highSurrogate_) {
                const char32_t cp = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (u - 0xDC00);
                highSurrogate_ = 0;
                Emit(cp);
            }
            return;
        }
        Emit(u);
    }

    // True (and one fewer to skip) while the fallback characters of a \uN are being passed over.
    bool ConsumeSkipped() {
        if (pendingSkip_ <= 0) return false;
        --pendingSkip_;
        return true;
    }

    void Character(char32_t cp) {
        if (ConsumeSkipped()) return;
        Emit(cp);
    }

    void Emit(char32_t cp) {
        highSurrogate_ = 0;  // anything between the two halves of a pair breaks it
        // Control characters other than tab and line break have no place in a text, whether
        // they come as they stand, as \'hh or as \uN.
        if (cp < 0x20 && cp != U'\t' && cp != U'\n') return;
        switch (State().destination) {
            case Destination::Skip: return;
            case Destination::FontTable:
                if (fontOpen_) AppendUtf8CodePoint(font_.name, cp);
                return;
            case Destination::ColourTable:
                if (cp == ';') {
                    colours_.push_back(colour_);
                    cacheValid_ = false;
                    colour_ = ColourEntry{};
                }
                return;
            case Destination::Text: break;
        }
        AppendUtf8CodePoint(CurrentRunText(), cp);
    }

    void Paragraph() {
        if (State().destination == Destination::Text) EndParagraph();
    }

    void EndParagraph() {
        paragraph_.alignment = State().alignment;
        paragraph_.indents = State().indents;
        doc_.push_back(std::move(paragraph_));
        paragraph_ = RichParagraph{};
        lastRunCurrent_ = false;
    }

    // The style and code page of the text, worked out again only after a control word, a group
    // boundary or a font or colour definition: the characters between share them.
    const TextStyle& CurrentStyle() {
        if (!cacheValid_) Recache();
        return cachedStyle_;
    }
    int TextCodePage() {
        if (!cacheValid_) Recache();
        return cachedCodePage_;
    }
    void Recache() {
        cachedStyle_ = StyleOfGroup();
        cachedCodePage_ = CodePageOfGroup();
        cacheValid_ = true;
        lastRunCurrent_ = false;
    }

    TextStyle StyleOfGroup() const {
        const GroupState& s = stack_.back();
        TextStyle style;
        style.bold = s.bold;
        style.italic = s.italic;
        style.underline = s.underline;
        style.pointSize = static_cast<int>((s.halfPoints + 1) / 2);
        if (s.colourIndex > 0 && static_cast<std::size_t>(s.colourIndex) < colours_.size() &&
            colours_[s.colourIndex].defined) {
            style.hasColour = true;
            style.colour = colours_[s.colourIndex].rgb;
        }
        if (s.fontNumber >= 0 && s.fontNumber != defaultFont_) {
            if (const FontEntry* f = FindFont(s.fontNumber)) style.fontName = f->name;
        }
        return style;
    }

    // Asked twice per character: a table lookup, so reading stays linear however many fonts
    // the file defines.
    const FontEntry* FindFont(long number) const {
        const auto it = fonts_.find(number);
        return it == fonts_.end() ? nullptr : &it->second;
    }

    void CommitFont() {
        if (!fontOpen_) return;
        cacheValid_ = false;
        fontOpen_ = false;
        std::string& name = font_.name;
        while (!name.empty() && name.back() == ' ') name.pop_back();
        while (!name.empty() && name.front() == ' ') name.erase(name.begin());
        fonts_[font_.number] = font_;  // a number defined again: the later definition counts
    }

    // Fonts of the Cyrillic character set carry code page 1251 whatever the document says.
    int CodePageOfGroup() const {
        if (State().destination == Destination::FontTable) {
            return font_.charset == 0 && codePage_ == 1252 ? 1252 : 1251;
        }
        const long number = stack_.back().fontNumber >= 0 ? stack_.back().fontNumber : defaultFont_;
        if (const FontEntry* f = FindFont(number); f && f->charset == 204) return 1251;
        return codePage_ == 1252 ? 1252 : 1251;
    }
    const GroupState& State() const { return stack_.back(); }

    const std::string& in_;
    std::size_t pos_ = 0;
    std::vector<GroupState> stack_;
    std::size_t overflowDepth_ = 0;
    bool finished_ = false;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
    long codePage_ = 1251;
    long defaultFont_ = 0;
    std::unordered_map<long, FontEntry> fonts_;
    bool cacheValid_ = false;
    bool lastRunCurrent_ = false;  // the last run of the paragraph has the cached style
    TextStyle cachedStyle_;
    int cachedCodePage_ = 1251;
    FontEntry font_;
    bool fontOpen_ = false;
    std::vector<ColourEntry> colours_;
    ColourEntry colour_;
    RichDocument doc_;
    RichParagraph paragraph_;
};

}  // namespace

RichDocument ReadRtf(const std::string& bytes) {
    return RtfParser(bytes).Parse();
}
