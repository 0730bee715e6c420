// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/trigram_selector_widget.h"

#include "tools/ui/gua_smol_widget.h"

namespace {
constexpr QSize kGlyphSize(20, 16);
}

TrigramSelector::TrigramSelector(QWidget* parent) : QComboBox(parent) {
    setIconSize(kGlyphSize);
    for (const TrigramItem& item : TrigramItems)
        addItem(QIcon(TGuaSmol::Picture(item.trigram, kGlyphSize)),
                QString::fromUtf8(item.caption));
}

void TrigramSelector::Recaption() {
    for (int i = 0; i < count(); ++i) setItemText(i, QString::fromUtf8(TrigramItemAt(i).caption));
}
