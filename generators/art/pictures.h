// SPDX-License-Identifier: GPL-3.0-or-later
// The picture families of the bmp/ folder; each adds its finished pictures to the list.
#pragma once

#include "canvas.h"

namespace art {

void drawSignGlyphs(Pictures& out);        // stvol1..10, vetv1..12, gan, zhu
void drawEclipticCircle(Pictures& out);    // diag
void drawBaZhaiHouses(Pictures& out);      // 1..9 without 5
void drawLoShuSquare(Pictures& out);       // diag1
void drawMountainsDiagram(Pictures& out);  // diag3
void drawElementCycles(Pictures& out);     // diag4
void drawCompass(Pictures& out);           // lopan
void drawRuler(Pictures& out);             // line

// The desktop icons, as "<size>x<size>/apps/..." and "<size>x<size>/mimetypes/..." PNG files of
// the hicolor theme (not part of bmp/).
void drawIcons(Pictures& out);

// The pictograms of the main window's toolbar, as SVG files "<name>.svg" in `folder`.
bool writePictograms(const QString& folder);

}  // namespace art
