// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 source text as the windows show it: U("Москва").
#include <QString>

inline QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}
