// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/zone_combo.h"

#include <QComboBox>

#include "astro/local_time.h"

void FillZoneCombo(QComboBox* combo) {
    for (const ZoneEntry& zone : ZoneTable) combo->addItem(QString::fromUtf8(zone.caption));
}

void SelectZoneCaption(QComboBox* combo, const std::string& caption) {
    const int listed = ZoneIndexOfCaption(caption);
    if (listed >= 0 || !ZoneSecondsOfCaption(caption)) {
        combo->setCurrentIndex(listed);
        return;
    }
    const QString text = QString::fromStdString(caption);
    if (combo->count() > kZoneCount) {
        combo->setItemText(kZoneCount, text);
    } else {
        combo->addItem(text);
    }
    combo->setCurrentIndex(kZoneCount);
}

std::optional<int> SelectedExactZone(const QComboBox* combo) {
    if (combo->currentIndex() < kZoneCount) return std::nullopt;
    return ZoneSecondsOfCaption(combo->currentText().toStdString());
}
