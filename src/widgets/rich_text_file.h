// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Rich-text files of the text windows (the text viewer and the report window): a file read into
// the rich-text model, and the model written as RTF. Failures come back as the message the error
// box shows; nothing is thrown.
#include <QString>
#include <optional>

#include "text/rich_text.h"

// Reads a file as rich text. An RTF file goes through the RTF reader (malformed RTF gives what
// could be read); any other file is taken as plain text, one paragraph per line (UTF-8 when it is
// valid UTF-8, Windows-1251 otherwise). std::nullopt, with `error` set ("Не удалось открыть…"),
// when the file cannot be read.
std::optional<RichDocument> ReadRichTextFile(const QString& fileName, QString& error);

// Writes the document as RTF. The file is replaced whole or not at all: on failure an existing
// file keeps its old content and no partial file is left. Returns "" or the error message
// ("Диск заполнен…", "Нет прав на запись в папку…").
QString WriteRtfFile(const RichDocument& doc, const QString& fileName);
