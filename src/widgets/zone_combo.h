// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The zone list of a window: the 32 list captions and, when a place or a file needs it, one more
// entry for an exact offset outside the list ("(GMT +05:30)", "(GMT +02:30:17)"), so that such an
// offset is shown as it is and never rounded to a list entry.
#include <optional>
#include <string>

class QComboBox;

// The 32 list captions.
void FillZoneCombo(QComboBox* combo);

// Selects the zone of `caption`: a list caption as its entry, an exact one as the extra entry
// (added, or its text replaced); any other caption leaves no selection.
void SelectZoneCaption(QComboBox* combo, const std::string& caption);

// The exact offset in seconds east of GMT while the extra entry is selected, else nullopt.
std::optional<int> SelectedExactZone(const QComboBox* combo);
