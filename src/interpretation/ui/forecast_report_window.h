// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening the personal forecast ("Прогноз на текущий год" of the person window).
#include "interpretation/forecast_year.h"
#include "interpretation/personal_forecast.h"
#include "person/person_chart.h"

class QWidget;
class TFormFHInter;

// Sets the report mode to the personal forecast and opens a new report window on copies of the
// year and of the person's calculation, shown at once: later changes of the person or of the
// forecast's year do not reach the report. The forecast texts are read from the program's
// folder; a text that cannot be read is reported and no report is shown. The window deletes
// itself when closed.
TFormFHInter* OpenForecastReport(const ForecastYear& year, const PersonCalculation& calculation,
                                 QWidget* parent = nullptr);

// The forecast texts as the program reads them: from its data folder.
ForecastTexts ProgramForecastTexts();
