// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Ба чжай": the house of a trigram — its fate line (East or West group, palace, element), the
// diagram of its eight sectors with the trigram at the centre, and the house and trigram pages.
#include <QString>

#include "tools/ui/description_button_widget.h"
#include "widgets/tool_window.h"

class QLabel;
class QToolButton;
class TGuaSmol;
class TrigramSelector;

class TFormBCShema : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormBCShema(QWidget* parent = nullptr);

    // Presets: show the window with a list item selected (0..7 in the order Цянь, Кань, Гэнь,
    // Чжэнь, Сюнь, Ли, Кунь, Дуй — the geomantic table's mountains), or with the house of a
    // palace number 1..9 without 5 (a person's Gua number), refreshed as after a user's choice.
    void SelectItem(int index);
    void SelectPalace(int palace);

    // Event handlers.
    void ComboBoxEx2Change();  // trigram, fate line and diagram follow the list
    void OpenHousePage();      // the description button
    void OpenTrigramPage();    // a click on the framed trigram

    // The error of the last diagram load (empty when it loaded).
    const QString& DiagramError() const { return diagramError_; }

    TrigramSelector* ComboBoxEx2;
    QToolButton* DescriptionButton;
    QLabel* FateLine;
    QLabel* Diagram;
    TGuaSmol* SmallTrigram;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void LoadDiagram(const QString& pagePath);

    QString diagramError_;
};
