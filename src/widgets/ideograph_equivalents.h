// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unified ideograph a CJK radical or stroke character stands for (⺒ → 巳, ⻢ → 马, ⼦ → 子),
// 0 for any other character.

char16_t EquivalentIdeograph(char16_t code);
