// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rich-text model (paragraphs of styled runs) in and out of a QTextDocument, the text of the
// viewer and report windows.
#include "text/rich_text.h"

class QTextDocument;

// Replaces the document's content by the paragraphs, with their styles and alignment.
void FillTextDocument(QTextDocument& target, const RichDocument& source);
// The document's blocks as paragraphs of styled runs.
RichDocument RichDocumentOf(const QTextDocument& source);
