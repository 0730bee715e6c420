// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Стволы и ветви": the life stage of a branch in the cycle of a stem with the Na Yin of the
// pair (upper block), and the day officer and the harmony of two branches (lower block).
#include <QComboBox>
#include <QLabel>

#include "calendar/vocabulary.h"
#include "tools/ui/description_button_widget.h"
#include "widgets/tool_window.h"

class PillarGlyphs;
class PillarLink;
class TCziPin;

class TFormCzPin : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormCzPin(const PillarGlyphs& glyphs, QWidget* parent = nullptr);

    // Shows the window with the pillar's stem and branch selected in the upper block, recomputed
    // as if the user had chosen the stem (the calendar's and the person's pillar links).
    void SelectPillar(Pillar pillar);

    // Event handlers.
    void SvtolChange();  // stem or first branch changed: StvolVetv
    void Vetv2Change();  // base or additional branch changed: VetvVetv
    void StvolVetv();
    void VetvVetv();

    // The officer on display (1..12).
    int Officer() const { return officer_; }

    QComboBox* Svtol;  // "Ствол:"
    QComboBox* Vetv1;  // "Ветвь:"
    QComboBox* Vetv2;  // "Базовая ветвь:"
    QComboBox* Vetv3;  // "Дополнительная ветвь:"
    TCziPin* CziPinYear;
    QLabel* StageName;
    QLabel* NaYin;            // after "Най инь:"
    PillarLink* OfficerLink;  // after "Цзянь:", a link to the officer's page
    QLabel* Harmony;          // after "Сочетаемость ветвей:"
    QLabel* Relations;  // after "Отношения:": every relation of the pair (clash, harm, ...)

signals:
    // The officer link was clicked: the good-day window shows that officer's page.
    void OfficerLinkClicked(int officer);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Recaption();

    int officer_ = 1;
};
