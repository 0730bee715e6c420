#pragma once
// The azimuth box of the geomantic table window ("Азимут:"): a three-character edit with an
// up-down (0..360, wrapping at both ends). Text that breaks the box's rules is replaced as it is
// typed (not an integer or below 0: "0"; above 360: "360"), the text turns red in a replacement
// zone, and every change is reported with the mountains the azimuth selects.
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
    // The box as last checked: its azimuth, colour and mountains.
    const AzimuthBox& Box() const { return box_; }
    // One step of the up-down (+1 up, −1 down).
    void Step(int steps);

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

    AzimuthBox box_;
    QColor defaultText_;
};
