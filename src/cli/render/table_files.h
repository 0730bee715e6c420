// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `gavrosin-cli table --pdf FILE --png FILE`: the client document (the chart page, then the
// interpretation) and the chart picture, drawn by the table window and the print kit as the
// program draws them, without a screen. Nothing of Qt Widgets starts unless a file is asked for.
#include <string>

#include "cli/command_table.h"

// The TableDrawer of the command line. Starts the window system on first use: the offscreen one
// on Linux unless QT_QPA_PLATFORM names another, so scripts and SSH sessions need no display.
// Each file is replaced whole or not at all; "" or the reason the first failing one was not
// written.
std::string WriteTableFiles(const TableDrawing& drawing);
