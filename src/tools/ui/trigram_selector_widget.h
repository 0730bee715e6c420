// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The trigram list of the trigram and Ba Zhai windows: eight items with their small glyphs, in
// the order Цянь, Кань, Гэнь, Чжэнь, Сюнь, Ли, Кунь, Дуй.
#include <QComboBox>

#include "tools/trigram_items.h"

class TrigramSelector : public QComboBox {
    Q_OBJECT
public:
    explicit TrigramSelector(QWidget* parent = nullptr);

    // Writes the item captions again, keeping the selection (done each time the window shows).
    void Recaption();
    const TrigramItem& Item() const { return TrigramItemAt(currentIndex()); }
};
