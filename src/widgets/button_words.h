// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's Russian translation leaves its buttons' "OK" in Latin letters; the program's boxes and
// dialogs say "ОК" as the rest of the interface does.
#include <QTranslator>

class ButtonWordsTranslator : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;
};
