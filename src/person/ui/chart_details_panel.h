// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The person window's "Полная карта": under each birth pillar its god, hidden stems with their
// gods, the day master's stage and the void mark; the void branches, the conception pillar and
// the two palaces with their Na Yin; the symbolic stars by pillar. It shows what
// person/chart_details.h computes, in the words of person/chart_detail_captions.h.
#include <QWidget>
#include <array>

#include "person/chart_details.h"

class QLabel;

class ChartDetailsPanel : public QWidget {
    Q_OBJECT
public:
    explicit ChartDetailsPanel(QWidget* parent = nullptr);

    void ShowDetails(const ChartDetails& details);
    void Clear();

    // By pillar: year, month, day, hour.
    std::array<QLabel*, kChartPillarCount> PillarChars{};  // "庚午"
    std::array<QLabel*, kChartPillarCount> StemGods{};     // "Друг", "Хозяин дня"
    std::array<QLabel*, kChartPillarCount> HiddenGods{};  // "丁 Прямой чиновник" one a line
    std::array<QLabel*, kChartPillarCount> Stages{};     // "Купание"
    std::array<QLabel*, kChartPillarCount> VoidMarks{};  // "Пустота (день)" or empty
    QLabel* VoidLine;    // "по дню 申酉, по году 戌亥"
    QLabel* Conception;  // "壬申 Металл на острие Меча (9)"
    QLabel* LifePalace;
    QLabel* BodyPalace;
    std::array<QLabel*, 2> Stars{};  // the symbolic stars, one a line, in two columns
};
