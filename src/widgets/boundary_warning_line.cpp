// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/boundary_warning_line.h"

#include <QLabel>

#include "calendar/boundary_warnings.h"

void MakeBoundaryWarningLine(QLabel* label) {
    label->setStyleSheet(QStringLiteral("color: #b00000;"));
    label->hide();
}

void ShowBoundaryWarnings(QLabel* label, Moment civil, const TimeSettings& settings,
                          const std::vector<std::string>& placeLines) {
    QStringList lines;
    for (const std::string& line : placeLines) lines << QString::fromStdString(line);
    for (const BoundaryWarning& w : FindBoundaryWarnings(civil, settings))
        lines << QString::fromStdString(BoundaryWarningText(w));
    label->setText(lines.join(QStringLiteral("; ")));
    label->setToolTip(lines.join(QLatin1Char('\n')));
    label->setVisible(!lines.isEmpty());
}
