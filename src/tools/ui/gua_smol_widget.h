// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TGuaSmol: one of the eight trigrams drawn as three black bars in 50 × 40 pixels, with its name
// and element. A number outside 1..8 is refused with an error box and the previous trigram stays.
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "calendar/vocabulary.h"

class TGuaSmol : public QWidget {
    Q_OBJECT
public:
    // Trigram 1 (Цянь, Металл), 50 × 40.
    explicit TGuaSmol(QWidget* parent = nullptr);

    int No() const { return number_.value(); }
    // Sets the trigram number (1 Цянь, 2 Дуй, ... 8 Кунь) and repaints. Outside 1..8 shows
    // "Volue must be between 1 and 8!!!" and keeps the previous number; returns false then.
    bool SetNo(int no);
    QString GuaName() const { return QString::fromStdString(number_.name()); }
    QString Element() const { return QString::fromStdString(number_.element()); }

    // The trigram drawn into a picture of the given size (the small glyphs of the lists).
    static QPixmap Picture(int no, QSize size);

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    TrigramNumber number_;
};
