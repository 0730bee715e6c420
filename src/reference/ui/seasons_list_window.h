// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Наступление сезонов солнечного календаря": the onsets of the twelve seasons and the instants of
// the 24 solar terms of the year, in local civil time, each season and term a link to its page.
// The window computes nothing: it shows the main calculation's year term table.
#include <QString>
#include <array>
#include <functional>

#include "astro/solar_terms.h"
#include "reference/season_list.h"
#include "reference/ui/reference_window.h"

class PillarLink;
class QFrame;
class QScrollArea;

class TFormSeasoneList : public ReferenceWindow {
    Q_OBJECT
public:
    // Where the window reads what it shows: the main calculation's year term table and the
    // settings' summer-time shift (hours), both at the moment of showing.
    struct Source {
        std::function<YearTermTable()> termTable;
        std::function<int()> summerHours;
    };

    explicit TFormSeasoneList(Source source, QWidget* parent = nullptr);

    // The title with `year` and the 24 dates from the term table.
    void LabelSeasone(int year);
    // After a recalculation of the main window's moment (while showing): its year.
    void LabelChange(Moment current);

    QLabel* LabelTitle;
    std::array<PillarLink*, kSeasonListRows> Links;  // rows top to bottom
    std::array<QLabel*, 24> Dates;                   // by TermIndex
    QFrame* TitleLine;                               // dark red, under the title
    QFrame* WinterLine;                              // grey, before the January season

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void LinkClick(int row);

    Source source_;
};

constexpr int kSeasonListWidth = 290;
