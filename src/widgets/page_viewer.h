// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a descriptive page: sets the page path and opens a new text viewer on it.
#include <QString>

class QWidget;
class TFormText;

// `pagePath` as the data paths are written ("\other\stars.rtf"). The viewer is shown at once
// and deletes itself when closed.
TFormText* OpenPageViewer(const QString& pagePath, QWidget* parent = nullptr);
