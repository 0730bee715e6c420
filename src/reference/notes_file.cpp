// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/notes_file.h"

#include <QFileInfo>
#include <QStringList>

#include "reference/notes_format.h"
#include "text/cp1251.h"
#include "text/whole_file.h"

namespace {

std::string Bytes(const QString& text) {
    return Utf8ToCp1251(text.toStdString());
}

// The smallest valid notes file: one empty line. A missing file reads as this one and is
// created by the first note written (when its folder lets us).
constexpr const char* kEmptyNotes = "\r\n";

bool ReadAll(const QString& path, std::string& bytes, QString& error) {
    if (!QFileInfo::exists(path)) {
        bytes = kEmptyNotes;
        return true;
    }
    error = QString::fromStdString(ReadWholeFile(path.toStdString(), bytes));
    return error.isEmpty();
}

NoteLines LinesOfNote(const QString& note) {
    NoteLines lines;
    if (note.isEmpty()) return lines;
    for (const QString& line : note.split(QLatin1Char('\n'))) lines.push_back(Bytes(line));
    return lines;
}

}  // namespace

NoteReadResult ReadDayNote(const QString& path, const QString& key) {
    NoteReadResult result;
    std::string bytes;
    if (!ReadAll(path, bytes, result.error)) return result;
    QStringList lines;
    for (const std::string& line : NoteOfDay(SplitNoteFile(bytes), Bytes(key)))
        lines.append(QString::fromStdString(Cp1251ToUtf8(line)));
    result.note = lines.join(QLatin1Char('\n'));
    result.ok = true;
    return result;
}

NoteWriteResult WriteDayNote(const QString& path, const QString& key, const QString& note) {
    NoteWriteResult result;
    std::string bytes;
    if (!ReadAll(path, bytes, result.error)) return result;

    const NoteRewrite rewrite = WithNoteOfDay(SplitNoteFile(bytes), Bytes(key), LinesOfNote(note));
    switch (rewrite.status) {
        case NoteRewriteStatus::Unchanged:
            result.status = NoteWriteStatus::Unchanged;
            return result;
        case NoteRewriteStatus::UnterminatedBlock:
            result.error = QStringLiteral(
                               "У заметки дня «%1» в файле «%2» нет строки конца записи. Файл "
                               "оставлен без изменений; исправьте его в текстовом редакторе.")
                               .arg(key, path);
            return result;
        case NoteRewriteStatus::Rewritten: break;
    }

    const std::string out = JoinNoteFile(rewrite.lines);
    result.error = QString::fromStdString(ReplaceWholeFile(path.toStdString(), out));
    if (!result.error.isEmpty()) return result;
    result.status = NoteWriteStatus::Saved;
    return result;
}

namespace {

bool InCodePage(char32_t cp) {
    return cp == U'\n' || CodePointToCp1251(cp) >= 0;
}

}  // namespace

QString NoteCharactersOutsideCodePage(const QString& text) {
    QList<uint> refused;
    for (const uint cp : text.toUcs4())
        if (!InCodePage(cp) && !refused.contains(cp)) refused.append(cp);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(refused.constData()),
                             refused.size());
}

QString NoteTextInCodePage(const QString& text) {
    QList<uint> kept;
    for (const uint cp : text.toUcs4())
        if (InCodePage(cp)) kept.append(cp);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(kept.constData()), kept.size());
}
