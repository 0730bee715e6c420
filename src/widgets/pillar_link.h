// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLabel>

// A blue, underlined caption with a hand cursor that reports clicks.
class PillarLink : public QLabel {
    Q_OBJECT
public:
    explicit PillarLink(const QString& text, QWidget* parent = nullptr);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
