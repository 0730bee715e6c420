#include "reference/ui/notes_window.h"

#include <QSignalBlocker>
#include <QTextEdit>
#include <QVBoxLayout>

#include "widgets/error_box.h"
#include "widgets/program_folder.h"
#include "calendar/moment_format.h"
#include "reference/notes_file.h"

namespace {

QString NotesPath() { return UserFilePath(QStringLiteral("\\other\\notes.txt")); }

}  // namespace

QString NoteKeyOf(Moment m) { return FormatLongDate(m, QLocale()); }

TFormNote::TFormNote(std::function<Moment()> currentMoment, QWidget* parent)
    : ReferenceWindow(QString(), parent), currentMoment_(std::move(currentMoment)) {
    RichEdit = new QTextEdit(this);
    RichEdit->setAcceptRichText(false);
    RichEdit->setFrameShape(QFrame::NoFrame);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 17, 0, 0);  // the white margins, left and top
    layout->addWidget(RichEdit);
    resize(315, 222);
    setWindowTitle(FormatShortDate(currentMoment_(), QLocale()));
    // Every change is stored, typed or pasted with the mouse alike.
    connect(RichEdit, &QTextEdit::textChanged, this, &TFormNote::NoteChange);
}

void TFormNote::RaschetNote() {
    const Moment current = currentMoment_();
    setWindowTitle(FormatShortDate(current, QLocale()));
    ReadCalednar(NoteKeyOf(current));
}

void TFormNote::ReadCalednar(const QString& key) {
    const QSignalBlocker blocker(RichEdit);
    shownKey_ = key;
    const NoteReadResult r = ReadDayNote(NotesPath(), key);
    RichEdit->setPlainText(r.ok ? r.note : QString());
    if (r.ok) {
        lastError_.clear();
    } else {
        Report(r.error);
    }
}

void TFormNote::WriteCalednar(const QString& key) {
    const NoteWriteResult w = WriteDayNote(NotesPath(), key, RichEdit->toPlainText());
    if (w.status == NoteWriteStatus::Failed) {
        Report(w.error);
    } else {
        lastError_.clear();
    }
}

void TFormNote::NoteChange() {
    if (!shownKey_.isEmpty()) WriteCalednar(shownKey_);
}

void TFormNote::Report(const QString& error) {
    // The same failure on every keystroke or every new day is told once; the typed text stays in
    // the area and is stored with the next change once the file can take it.
    if (error == lastError_) return;
    lastError_ = error;
    ShowErrorBox(this, error);
}

void TFormNote::showEvent(QShowEvent* event) {
    ReferenceWindow::showEvent(event);
    RaschetNote();
}
