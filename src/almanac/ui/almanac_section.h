// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Альманах дня": the almanac page of a day as a block of rows — spirit and road, clash and sha,
// the four gods' directions, Peng Zu's two taboos and the auspicious hours. The calendar window
// shows it under its own rows.
#include <QWidget>

#include "almanac/almanac_day.h"

class QLabel;

class TAlmanacSection : public QWidget {
    Q_OBJECT
public:
    explicit TAlmanacSection(QWidget* parent = nullptr);

    void ShowAlmanac(const AlmanacDay& day);

    QLabel* Heading;  // "Альманах дня"
    QLabel* SpiritName;
    QLabel* Road;
    QLabel* Clash;
    QLabel* Sha;
    QLabel* Joy;
    QLabel* Wealth;
    QLabel* YangNoble;
    QLabel* YinNoble;
    QLabel* StemTaboo;
    QLabel* BranchTaboo;
    QLabel* Hours;  // the auspicious hours, two to a line
};
