// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Календарь": the four pillars, the season and term, the cycle numbers, the flying stars and the
// lunar date of the main window's moment, and under them the almanac of its day. It computes
// nothing; the main calculation fills it.
#include <QLabel>
#include <QWidget>
#include <optional>

#include "almanac/almanac_day.h"
#include "calendar/moment_calendar.h"
#include "calendar/vocabulary.h"
#include "widgets/pillar_link.h"
#include "widgets/tool_window.h"

class PillarGlyphs;
class TAlmanacSection;
class QVBoxLayout;

class TFormCalendar : public TToolWindow {
    Q_OBJECT
public:
    explicit TFormCalendar(const PillarGlyphs& glyphs, QWidget* parent = nullptr);

    // Writes the calendar of a moment into the rows: captions in the user's regional format,
    // glyphs from the pillars.
    void ShowMoment(const MomentCalendar& calendar);
    // Writes the almanac of the moment's day into the section "Альманах дня".
    void ShowAlmanac(const AlmanacDay& day);

    // Rows, top to bottom (names as the calendar's fields).
    QLabel* LabelNow;
    QLabel* Week;
    QLabel *StvolYahr, *VetvYahr, *PSYear;
    QLabel *StvolMod, *VetvGod, *PSMon;
    QLabel *StvolDay, *VetvDay, *PSDay;
    QLabel *StvolChas, *VetvChas, *PSHour;
    PillarLink *Label28, *Label27, *Label25, *Label26;
    QLabel *BigSeason, *SmallSeason;
    QLabel* epoch_years;
    QLabel* Juang;
    QLabel *JungBig, *LabelJunBigName;
    QLabel *Jung, *LabelJunName;
    QLabel *LabelYearStar, *LabelYearS;
    QLabel *LabelMoonStar, *LabelMoonS;
    QLabel *DayStar, *DayStarS;
    QLabel *ChasStar, *ChasStarS;
    QLabel* month;
    QLabel* LabelStarLeap;
    QLabel* day;
    TAlmanacSection* Almanac;  // "Альманах дня", under the lunar date

signals:
    // A pillar link was clicked: the stem-branch relations window opens on this pillar.
    void pillarLinkClicked(Pillar pillar);

private:
    // The rows, top to bottom, in a scrolled page.
    void BuildRows();
    void AddMomentRows(QWidget* page, QVBoxLayout* rows);
    void AddPillarRows(QWidget* page, QVBoxLayout* rows);
    void AddSeasonRows(QWidget* page, QVBoxLayout* rows);
    void AddCycleRows(QWidget* page, QVBoxLayout* rows);
    void AddLunarRows(QWidget* page, QVBoxLayout* rows);

    // What "Экспорт в PDF..." writes: the calendar and almanac last shown, whole.
    PrintDocument Document() const;

    const PillarGlyphs& glyphs_;
    MomentCalendar calendar_;  // the last shown, as its pillar links and the PDF read it
    std::optional<AlmanacDay> almanac_;
};
