#include "reference/notes_file.h"

#include <QStringList>

#include "reference/notes_format.h"
#include "text/cp1251.h"
#include "text/whole_file.h"

namespace {

std::string Bytes(const QString& text) { return Utf8ToCp1251(text.toStdString()); }

bool ReadAll(const QString& path, std::string& bytes, QString& error) {
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
