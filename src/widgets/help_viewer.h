// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Вызов справки": the help pages in a window of the program's own, so that help shows on a
// computer without a web browser. Links between the pages work; links to the web go to the
// browser, when there is one.
#include <QString>

class QTextBrowser;
class QWidget;

// Opens (or brings to the front) the help window on `page` (an .htm file) over `owner`; returns
// its browser. A missing page is reported in the standard error box and nothing opens (nullptr).
QTextBrowser* ShowHelpWindow(QWidget* owner, const QString& page);
