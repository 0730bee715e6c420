// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text layer of the PDFs the program writes, read as a reader copies it. Qt names each glyph
// of an embedded font by the lowest character the font maps to it: the glyph of 子 is also that of
// the Kangxi radical ⼦ (U+2F26), so "甲子" copied from the page became "甲⼦" (巳 the
// supplementary radical ⺒, 马 of 驿马 ⻢), and the blank shared with the tab became a tab.
#include <QByteArray>

// Rewrites those names in the font's ToUnicode maps to the ideograph and the blank. Every entry
// keeps its length, so the offsets of the file stay true; a file without such maps is left as
// it is.
void MendTextLayer(QByteArray& pdf);
