// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The azimuth box of the geomantic table window ("Азимут:"): degrees to a tenth ("187,5") with an
// up-down (whole degrees 0..360, wrapping at both ends). Text that is no azimuth stays as typed,
// on a pink ground with its hint as tooltip, and the box keeps the last azimuth it read; an
// azimuth the drawn chart does not show yet stands on a yellow ground; the text turns red in a
// replacement zone, and every change is reported with the mountains the azimuth selects (or with
// the hint).
#include <QWidget>

#include "geomancy/azimuth_input.h"

class QLineEdit;
class QToolButton;

class TAzimuthBox : public QWidget {
    Q_OBJECT
public:
    explicit TAzimuthBox(QWidget* parent = nullptr);

    // Sets the text; the change is reported even when the text stays the same.
    void SetText(const QString& text);
    QString Text() const;
    // The box as last checked: its hint, and the azimuth, colour and mountains last read.
    const AzimuthBox& Box() const { return box_; }
    // One step of the up-down (+1 up, −1 down); from a tenth to the next whole degree that way.
    void Step(int steps);
    // Marks the box as not yet computed (the drawn chart is of another azimuth), `why` as its
    // tooltip; an empty `why` takes the mark away. A refused text keeps its own mark.
    void MarkNotComputed(const QString& why);
    bool MarkedNotComputed() const { return !notComputed_.isEmpty(); }

    QLineEdit* EditAz;
    QToolButton* UpButton;
    QToolButton* DownButton;

signals:
    // The text changed (typed, stepped or set) and has been checked.
    void changed(const AzimuthBox& box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditAzChange(const QString& text);
    // The ground and tooltip of the box: refused, not yet computed, or plain.
    void ShowMarks();

    AzimuthBox box_;
    QColor defaultText_;
    QColor defaultBase_;
    QString notComputed_;
};
