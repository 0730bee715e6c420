// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/vocabulary.h"

namespace {

const std::array<std::string, 10> kStemCaptions = {
    "Цзя (Дерево-ян), ", "И (Дерево-инь), ",  "Бин (Огонь-ян), ",  "Дин (Огонь-инь), ",
    "У (Почва-ян), ",    "Цзи (Почва-инь), ", "Гэн (Металл-ян), ", "Синь (Металл-инь), ",
    "Жэнь (Вода-ян), ",  "Гуй (Вода-инь), ",
};

const std::array<std::string, 12> kBranchCaptions = {
    "Цзы (Вода-ян)",    "Чоу (Почва-инь)", "Инь (Дерево-ян)", "Мао (Дерево-инь)",
    "Чэнь (Почва-ян)",  "Сы (Огонь-инь)",  "У (Огонь-ян)",    "Вэй (Почва-инь)",
    "Шэнь (Металл-ян)", "Ю (Металл-инь)",  "Сюй (Почва-ян)",  "Хай (Вода-инь)",
};

const std::array<std::string, 10> kStemNames = {"Цзя", "И",   "Бин",  "Дин",  "У",
                                                "Цзи", "Гэн", "Синь", "Жэнь", "Гуй"};
const std::array<std::string, 12> kBranchNames = {"Цзы", "Чоу", "Инь",  "Мао", "Чэнь", "Сы",
                                                  "У",   "Вэй", "Шэнь", "Ю",   "Сюй",  "Хай"};

const std::array<Element, 12> kBranchElements = {
    Element::Water, Element::Earth, Element::Wood,  Element::Wood,  Element::Earth, Element::Fire,
    Element::Fire,  Element::Earth, Element::Metal, Element::Metal, Element::Earth, Element::Water,
};

const std::array<std::string, 5> kElementNames = {"Дерево", "Огонь", "Почва", "Металл", "Вода"};
const std::array<std::string, 2> kPolarityNames = {"ян", "инь"};

const std::array<std::string, 9> kStarColours = {
    "белая", "черная", "бирюзовая", "зеленая", "желтая", "белая", "алая", "белая", "пурпурная"};

const std::array<std::string, 3> kYuanNames = {"Верхний", "Средний", "Нижний"};

const std::array<std::string, 8> kTrigramNames = {"Цянь", "Дуй",  "Ли",   "Чжэнь",
                                                  "Сюнь", "Кань", "Гэнь", "Кунь"};
const std::array<std::string, 8> kTrigramElements = {"Металл", "Металл", "Огонь", "Дерево",
                                                     "Дерево", "Вода",   "Почва", "Почва"};

const std::string kEmpty;

int Mod(int a, int n) {
    return ((a % n) + n) % n;
}

}  // namespace

const char* const kTrigramRangeMessage = "Volue must be between 1 and 8!!!";

bool IsValidStem(int stem) {
    return stem >= 1 && stem <= 10;
}
bool IsValidBranch(int branch) {
    return branch >= 1 && branch <= 12;
}

const std::string& StemCaption(Stem stem) {
    return IsValidStem(stem) ? kStemCaptions[stem - 1] : kEmpty;
}
const std::string& BranchCaption(Branch branch) {
    return IsValidBranch(branch) ? kBranchCaptions[branch - 1] : kEmpty;
}
const std::string& StemName(Stem stem) {
    return IsValidStem(stem) ? kStemNames[stem - 1] : kEmpty;
}
const std::string& BranchName(Branch branch) {
    return IsValidBranch(branch) ? kBranchNames[branch - 1] : kEmpty;
}

Element StemElement(Stem stem) {
    return static_cast<Element>((stem - 1) / 2);
}
Element BranchElement(Branch branch) {
    return kBranchElements[branch - 1];
}
Polarity StemPolarity(Stem stem) {
    return stem % 2 != 0 ? Polarity::Yang : Polarity::Yin;
}
Polarity BranchPolarity(Branch branch) {
    return branch % 2 != 0 ? Polarity::Yang : Polarity::Yin;
}
const std::string& ElementName(Element e) {
    return kElementNames[static_cast<int>(e)];
}
const std::string& PolarityName(Polarity p) {
    return kPolarityNames[p == Polarity::Yang ? 0 : 1];
}

std::string PillarCaption(Pillar p) {
    std::string caption;
    BranchLabel(caption, p.branch);
    StemLabel(caption, p.stem);
    return caption;
}

void StemLabel(std::string& caption, Stem stem) {
    if (IsValidStem(stem)) caption = kStemCaptions[stem - 1] + caption;
}

void BranchLabel(std::string& caption, Branch branch) {
    if (IsValidBranch(branch)) caption = kBranchCaptions[branch - 1];
}

int SexagenaryIndex(Stem stem, Branch branch) {
    if (!IsValidStem(stem) || !IsValidBranch(branch) || (stem % 2) != (branch % 2)) return 0;
    // N ≡ stem (mod 10) and N ≡ branch (mod 12): step the stem's residue class by tens.
    for (int n = stem; n <= 60; n += 10)
        if (Mod(n - branch, 12) == 0) return n;
    return 0;
}

std::string SexagenaryNumber(Stem stem, Branch branch) {
    return std::to_string(SexagenaryIndex(stem, branch));
}

Pillar PillarOfSexagenary(int n) {
    return Pillar{Mod(n - 1, 10) + 1, Mod(n - 1, 12) + 1};
}

void StarColourName(int star, std::string& dest) {
    if (star >= 1 && star <= 9) dest = kStarColours[star - 1];
}

std::optional<std::string> StarColour(int star) {
    if (star < 1 || star > 9) return std::nullopt;
    return kStarColours[star - 1];
}

void YuanName(int epochYear, std::string& dest) {
    const int era = Mod(epochYear - 1, 180) / 60;
    if (era >= 0 && era <= 2) dest = kYuanNames[era];
}

bool IsValidTrigram(int number) {
    return number >= 1 && number <= 8;
}
const std::string& TrigramName(int number) {
    return IsValidTrigram(number) ? kTrigramNames[number - 1] : kEmpty;
}
const std::string& TrigramElement(int number) {
    return IsValidTrigram(number) ? kTrigramElements[number - 1] : kEmpty;
}

std::optional<std::string> TrigramNumber::set(int number) {
    if (!IsValidTrigram(number)) return std::string(kTrigramRangeMessage);
    value_ = number;
    return std::nullopt;
}
