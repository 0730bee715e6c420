// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the interpretation of a geomantic table ("Интерпретировать" of the table window).
#include <QString>

#include "geomancy/geomantic_table.h"

class QWidget;
class TFormFHInter;

// Sets the report mode to the table interpretation and opens a new report window on a copy of
// the computed table, shown at once: later changes of the table do not reach the report. The
// caption becomes "Интерпретация: " + `tableCaption` (the caption of the table window), the status
// panel the table's status line. The window deletes itself when closed.
TFormFHInter* OpenTableReport(const GeomanticTable& table, const QString& tableCaption,
                              QWidget* parent = nullptr);
