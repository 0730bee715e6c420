// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Комбинации звезд": the description of a host star with a guest star, in the sense of the
// cycles or of the flying stars.
#include "tools/combination_pages.h"
#include "tools/ui/description_button_widget.h"
#include "widgets/tool_window.h"

class QButtonGroup;
class QPushButton;
class QRadioButton;

class TFormCombo : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormCombo(QWidget* parent = nullptr);

    // Shows the window with host, guest (1..9) and kind chosen, ready to open the description.
    void ShowCombination(int host, int guest, CombinationKind kind);

    // "Описание комбинации": a new text viewer on the pair's page.
    void OpenDescription();

    // The stars chosen, 1..9, or 0 while none is.
    int Host() const;
    int Guest() const;
    CombinationKind Kind() const;

    QButtonGroup* HostStars;    // "Звезда хозяин:"
    QButtonGroup* GuestStars;   // "Звезда гость:"
    QRadioButton* Cycles;       // "Циклы"
    QRadioButton* FlyingStars;  // "Летящие звезды"
    QPushButton* DescriptionButton;

private:
    // Enabled once both stars are chosen; a choice cannot be undone, so it stays enabled.
    void StarChosen();
};
