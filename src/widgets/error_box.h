// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The standard error box: a file or conversion error shown with the application's title. It does
// not block: the window that failed stays usable behind it.
#include <QString>

class QMessageBox;
class QWidget;

// The box it shows (it deletes itself when closed), for a caller that adds to its text later.
QMessageBox* ShowErrorBox(QWidget* parent, const QString& message);
