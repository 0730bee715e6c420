// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The day-choosing window joins the program here, in the shell, which alone may see both the
// window (tools/ui) and the person file reader (person): the window gets the person's branches
// through its host, never the person engine itself.
class TFormMainGVR;
class TFormDaySelection;

// Creates the window (its geometry restored from its section), connects the command "Выбор
// дней" and gives it the main window's moment, zone settings and date as its host.
TFormDaySelection* AddDaySelectionWindow(TFormMainGVR& main);
