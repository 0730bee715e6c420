// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which help page belongs to which window: the one table F1 reads (widgets/context_help).
#include <QString>

class QWidget;

// The help page of a top-level window of the program ("person.html"); empty for a window that
// has none of its own (F1 then opens its owner's page).
QString HelpPageOfWindow(const QWidget& window);
