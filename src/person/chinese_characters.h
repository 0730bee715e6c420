// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Chinese characters of the stems and branches, as the charts of the manuals write them.
#include <string>
#include <string_view>

#include "calendar/vocabulary.h"

inline constexpr std::string_view kStemCharacters = "甲乙丙丁戊己庚辛壬癸";
inline constexpr std::string_view kBranchCharacters = "子丑寅卯辰巳午未申酉戌亥";
inline constexpr std::size_t kCharacterBytes = 3;  // each of them is three bytes of UTF-8

// "甲" … "癸", "子" … "亥"; "" out of range.
std::string StemCharacter(Stem stem);
std::string BranchCharacter(Branch branch);
// "庚午".
std::string PillarCharacters(Pillar p);

// A line for a file in a single-byte code page (Windows-1251 has no Chinese characters): every
// stem and branch character spelled as its syllable — "庚午" as "Гэн-У", "申酉" as "Шэнь Ю" — and
// every other Chinese character left out, with the parentheses and blanks it leaves behind.
std::string InSyllables(const std::string& line);
