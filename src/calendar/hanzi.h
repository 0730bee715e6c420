// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Chinese characters of the stems and branches, as a document writes them in text (the
// windows show the pictures of the data folder instead).
#include <string>

#include "calendar/vocabulary.h"

// "甲" ... "癸" for stems 1..10, "子" ... "亥" for branches 1..12; "" out of range. UTF-8.
std::string StemHanzi(Stem stem);
std::string BranchHanzi(Branch branch);
