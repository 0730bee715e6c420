// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of commands: the program's own pictograms (SVG files of the data folder's
// pictograms\, drawn by the picture generator, sharp at any size and screen density) and, for the
// commands every program has, the desktop theme's icons with a fallback of our own.
#include <QIcon>
#include <QString>

// The pictogram "pictograms\<name>.svg"; a null icon when the file is missing.
QIcon Pictogram(const QString& name);

enum class GenericCommand { Open, Save, Print, PrintPreview };

// The desktop theme's icon of a command every program has ("document-open", "document-save",
// "document-print", "document-print-preview"), or the program's own when the theme has none.
QIcon GenericIcon(GenericCommand command);
