// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a flowed text breaks into pages. The text is laid out once as one long sheet and cut
// between its lines, never through one, so that a page shows whole lines and its text layer holds
// no line it does not show. A cut keeps a table row whole, keeps a heading (the lines all in bold
// that open a paragraph, or a paragraph with a heading level) and a picture with the two lines
// that follow them, and falls before a paragraph or table that asks for a new page. Only what is
// taller than a page is cut inside: a row or a heading with its lines between two lines, a line
// taller than a page where the page ends.
#include <vector>

class QTextDocument;

// A page of the text: the band of the long sheet from `top` to `bottom`, in the document's units.
struct PageSpan {
    double top = 0;
    double bottom = 0;
};

// The pages of `text`, each at most `pageHeight` tall. The text must be laid out as one long sheet
// (QTextDocument::setTextWidth, no page height); a paragraph that goes on over a page is parted
// into two there, so that the part on each page is drawn alone. An empty text has no page.
std::vector<PageSpan> CutIntoPages(QTextDocument& text, double pageHeight);
