// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shared vocabularies: heavenly stems, earthly branches, the five elements and two polarities,
// the sixty-fold cycle (the 24 solar terms with their solar months live with the astronomy, in
// astro/solar_term_names.h), the nine-star colours, the
// three eras and the eight trigrams. All numbering is 1-based except TermIndex (0..23).
// Captions are UTF-8, exactly as the user sees them.
#include <array>
#include <optional>
#include <string>

#include "astro/solar_term_names.h"

using Stem = int;    // 1..10, 1 = Цзя
using Branch = int;  // 1..12, 1 = Цзы

struct Pillar {
    Stem stem = 1;
    Branch branch = 1;
    bool operator==(const Pillar& o) const { return stem == o.stem && branch == o.branch; }
};

enum class Element { Wood = 0, Fire = 1, Earth = 2, Metal = 3, Water = 4 };
enum class Polarity { Yang, Yin };

bool IsValidStem(int stem);
bool IsValidBranch(int branch);

// "Цзя (Дерево-ян), " ... "Гуй (Вода-инь), " — with the trailing comma and blank.
const std::string& StemCaption(Stem stem);
// "Цзы (Вода-ян)" ... "Хай (Вода-инь)".
const std::string& BranchCaption(Branch branch);
// The bare syllables: "Цзя" ... "Гуй", "Цзы" ... "Хай".
const std::string& StemName(Stem stem);
const std::string& BranchName(Branch branch);

Element StemElement(Stem stem);
Element BranchElement(Branch branch);
Polarity StemPolarity(Stem stem);        // by parity: odd yang
Polarity BranchPolarity(Branch branch);  // by parity: odd yang
// "Дерево", "Огонь", "Почва", "Металл", "Вода" (the generating order).
const std::string& ElementName(Element e);
// "ян", "инь".
const std::string& PolarityName(Polarity p);

// Stem caption followed by branch caption: "Цзя (Дерево-ян), Цзы (Вода-ян)".
std::string PillarCaption(Pillar p);

// The label helpers the windows call, on the label's caption text:
// StemLabel puts the stem caption before the current caption (out of range: unchanged);
// BranchLabel replaces the caption by the branch caption (out of range: unchanged).
void StemLabel(std::string& caption, Stem stem);
void BranchLabel(std::string& caption, Branch branch);

// "1".."60" for a pair of like parity, "0" for unlike parity or out-of-range indices.
std::string SexagenaryNumber(Stem stem, Branch branch);
// The same as an integer (0 for no number).
int SexagenaryIndex(Stem stem, Branch branch);
// The pillar of a sexagenary number 1..60.
Pillar PillarOfSexagenary(int n);

// ----------------------------------------------------------------------------- stars and eras
// Colour adjective of a star 1..9 ("белая", "черная", ...); outside 1..9 `dest` is left as it was.
void StarColourName(int star, std::string& dest);
// The same as a value; std::nullopt outside 1..9.
std::optional<std::string> StarColour(int star);

// Era of an epoch year: "Верхний", "Средний", "Нижний" for ((epochYear − 1) mod 180) div 60 = 0,
// 1, 2. The value is assigned to `dest` only for those; nothing is assigned otherwise.
void YuanName(int epochYear, std::string& dest);

// ----------------------------------------------------------------------------- trigrams
// 1 Цянь, 2 Дуй, 3 Ли, 4 Чжэнь, 5 Сюнь, 6 Кань, 7 Гэнь, 8 Кунь.
bool IsValidTrigram(int number);
const std::string& TrigramName(int number);
const std::string& TrigramElement(int number);

// The refusal of a trigram number outside 1..8.
extern const char* const kTrigramRangeMessage;  // "Volue must be between 1 and 8!!!"

// A trigram number that refuses values outside 1..8 and keeps the previous one in force.
class TrigramNumber {
public:
    int value() const { return value_; }
    // Sets the number; returns the refusal message (and keeps the previous number) when out of
    // range.
    std::optional<std::string> set(int number);
    const std::string& name() const { return TrigramName(value_); }
    const std::string& element() const { return TrigramElement(value_); }

private:
    int value_ = 1;
};
