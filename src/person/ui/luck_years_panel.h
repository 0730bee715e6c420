// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The person window's "Годы и месяцы": small luck and the nine luck pillars, each opening into
// its ten years (pillar, age, gods), and the twelve months of the chosen year with the moments
// they begin on the birth place's clock (person/birth_place_clock.h). The running luck pillar, year
// and month are marked.
#include <QWidget>
#include <array>
#include <optional>

#include "person/chart_details.h"

class QGridLayout;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

class LuckYearsPanel : public QWidget {
    Q_OBJECT
public:
    explicit LuckYearsPanel(QWidget* parent = nullptr);

    // `runningYear` is the year the window counts as current; `now` the universal moment that
    // decides the running month.
    void ShowYears(const ChartDetails& details, const Person& person, int runningYear, Moment now);
    void Clear();
    // Shows the months of `year` (a year of the tree, or any other).
    void ShowMonths(int year);
    int MonthsYear() const { return monthsYear_; }
    // As wide as a luck pillar's longest line needs, so that the window opens with no column cut.
    QSize sizeHint() const override;

    QTreeWidget* Tree;  // luck pillars (and small luck) → their years
    // "Месяцы 1997 года (начало по времени места рождения на тот момент):"
    QLabel* MonthsHeading;
    std::array<QLabel*, 12> Months{};  // "壬寅\n04.02.1997 11:02\nПрямой чиновник"

private:
    void YearChosen(QTreeWidgetItem* item);

    std::optional<ChartDetails> details_;
    Person person_;
    int runningYear_ = 0;
    Moment now_ = 0;
    int monthsYear_ = 0;
};
