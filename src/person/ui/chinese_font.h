// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A face that has the Chinese characters of the stems, branches, gods and stars beside the
// Cyrillic of the captions.
#include <QFont>

// `base` with a CJK family preferred (Noto Sans CJK, then what the system substitutes) and its
// size multiplied by `scale`.
QFont ChineseFont(const QFont& base, double scale);
