// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Знаки гуа": pick one of the eight trigrams, see it drawn, open its description.
#include "tools/ui/description_button_widget.h"
#include "widgets/tool_window.h"

class QToolButton;
class TGuaSmol;
class TrigramSelector;

class TFormGua : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormGua(QWidget* parent = nullptr);

    // Shows the window with the trigram of number `no` (1 Цянь, 2 Дуй, ... 8 Кунь) selected.
    void SelectTrigram(int no);

    // Event handlers.
    void ComboBoxEx1Change();  // the trigram drawn follows the list
    void OpenTrigramPage();    // the description button or a click on the trigram

    TrigramSelector* ComboBoxEx1;
    TGuaSmol* SmallTrigram;
    QToolButton* DescriptionButton;

protected:
    void showEvent(QShowEvent* event) override;
};
