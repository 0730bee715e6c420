// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// F1 anywhere in the program opens the help on the page of the window that has the keyboard.
// The windows do not know their pages: one table (`pageOf`) maps a window to its page.
#include <QString>
#include <functional>

class QObject;
class QWidget;

// The page of a top-level window ("main.html", "lo_shu.html"); empty for the contents.
using HelpPageOf = std::function<QString(const QWidget& window)>;

// Installs the F1 key for every window of the application, for as long as `owner` lives.
void InstallContextHelp(QObject* owner, HelpPageOf pageOf);

// The page F1 opens in `window` (its own, or its owner's for a dialog that has none).
QString ContextHelpPage(const QWidget& window, const HelpPageOf& pageOf);
