// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/button_words.h"

#include <cstring>

QString ButtonWordsTranslator::translate(const char*, const char* sourceText, const char*,
                                         int) const {
    // Any other text goes on to Qt's own translation (a null string means "not mine").
    if (sourceText && std::strcmp(sourceText, "OK") == 0) return QString::fromUtf8("ОК");
    return QString();
}
