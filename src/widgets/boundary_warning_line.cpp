// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/boundary_warning_line.h"

#include <QLabel>

#include "calendar/boundary_warnings.h"

void MakeBoundaryWarningLine(QLabel* label) {
    label->setStyleSheet(QStringLiteral("color: #b00000;"));
    // A long warning wraps at the window's edge instead of being cut there.
    label->setWordWrap(true);
    label->hide();
}

void ShowBoundaryWarnings(QLabel* label, Moment civil, const TimeSettings& settings,
                          const std::vector<std::string>& placeLines) {
    QStringList lines;
    for (const std::string& line : placeLines) lines << QString::fromStdString(line);
    for (const BoundaryWarning& w : FindBoundaryWarnings(civil, settings))
        lines << QString::fromStdString(BoundaryWarningText(w));
    // One warning a line: two never run together into one cut line.
    label->setText(lines.join(QLatin1Char('\n')));
    label->setToolTip(lines.join(QLatin1Char('\n')));
    label->setVisible(!lines.isEmpty());
}
