// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/notes_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "calendar/moment_format.h"
#include "reference/notes_file.h"
#include "reference/notes_merge.h"
#include "reference/ui/notes_conflict_question.h"
#include "widgets/error_box.h"
#include "widgets/program_folder.h"

namespace {

QString NotesPath() {
    return UserFilePath(QStringLiteral("\\other\\notes.txt"));
}

// The other copy holds the lock for the milliseconds of its save: tried again this often.
constexpr int kRetryMs = 200;
// A lock held longer than this is no save in progress: the user is told that the other copy hangs.
constexpr int kLongHoldSeconds = 10;
// When the program ends, a waiting save may keep it that long.
constexpr int kLastSaveWaitMs = 3000;

}  // namespace

QString NoteKeyOf(Moment m) {
    return FormatLongDate(m, QLocale());
}

TFormNote::TFormNote(std::function<Moment()> currentMoment, QWidget* parent)
    : ReferenceWindow(QString(), parent), currentMoment_(std::move(currentMoment)) {
    RichEdit = new QTextEdit(this);
    RichEdit->setAcceptRichText(false);
    RichEdit->setFrameShape(QFrame::NoFrame);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 17, 0, 0);  // the white margins, left and top
    layout->addWidget(RichEdit);
    // Under the note: what was refused or could not be saved, said every time it happens.
    auto* hintRow = new QHBoxLayout;
    HintLine = new QLabel(this);
    HintLine->setWordWrap(true);
    DiscardButton = new QPushButton(QString::fromUtf8("Отказаться"), this);
    DiscardButton->setToolTip(QString::fromUtf8("Отказаться от несохраненной заметки"));
    connect(DiscardButton, &QPushButton::clicked, this, &TFormNote::DiscardUnsaved);
    hintRow->addWidget(HintLine, 1);
    hintRow->addWidget(DiscardButton);
    layout->addLayout(hintRow);
    HintLine->hide();
    DiscardButton->hide();
    resize(315, 222);
    setWindowTitle(FormatShortDate(currentMoment_(), QLocale()));
    // Every change is stored, typed or pasted with the mouse alike.
    connect(RichEdit, &QTextEdit::textChanged, this, &TFormNote::NoteChange);
    retry_ = new QTimer(this);
    retry_->setSingleShot(true);
    retry_->setInterval(kRetryMs);
    connect(retry_, &QTimer::timeout, this, [this] { WriteCalednar(shownKey_); });
}

TFormNote::~TFormNote() {
    if (waiting_) SaveBeforeEnd();
}

bool TFormNote::MayClose() {
    if (!waiting_ || SaveBeforeEnd()) return true;
    if (!AskEndWithoutNote(this, shownKey_)) return false;
    retry_->stop();
    waiting_ = false;  // let go by the user: not waited for once more
    return true;
}

bool TFormNote::SaveBeforeEnd() {
    QString mine = RichEdit->toPlainText();
    NoteSaveResult w = SaveDayNoteMerged(NotesPath(), shownKey_, base_, mine, kLastSaveWaitMs);
    if (w.status == NoteSaveStatus::Conflict) {  // no one is left to ask: both texts are kept
        base_ = w.theirs;
        mine = ResolvedNote(NoteConflictChoice::KeepBoth, mine, base_);
        w = SaveDayNoteMerged(NotesPath(), shownKey_, base_, mine, kLastSaveWaitMs);
        const QSignalBlocker blocker(RichEdit);
        RichEdit->setPlainText(mine);
    }
    if (w.status != NoteSaveStatus::Saved && w.status != NoteSaveStatus::Unchanged) {
        qWarning("%s", qUtf8Printable(QString::fromUtf8("Заметка не сохранена: ") + w.error));
        return false;
    }
    retry_->stop();
    waiting_ = unsaved_ = false;
    base_ = mine;
    ShowHint(QString());
    return true;
}

void TFormNote::RaschetNote() {
    // A note that could not be saved is not replaced by another day's: one more try, and if the
    // file still cannot take it, it stays on display under its own day.
    if (unsaved_) {
        followDate_ = false;
        WriteCalednar(shownKey_);
        if (unsaved_) {
            followDate_ = waiting_;  // the window moves on once the other copy lets it save
            return;
        }
    }
    const Moment current = currentMoment_();
    setWindowTitle(FormatShortDate(current, QLocale()));
    ReadCalednar(NoteKeyOf(current));
}

void TFormNote::DiscardUnsaved() {
    retry_->stop();
    unsaved_ = waiting_ = followDate_ = false;
    lastError_.clear();
    ShowHint(QString());
    RaschetNote();
}

void TFormNote::ReadCalednar(const QString& key) {
    const QSignalBlocker blocker(RichEdit);
    shownKey_ = key;
    const NoteReadResult r = ReadDayNote(NotesPath(), key);
    base_ = r.ok ? r.note : QString();
    RichEdit->setPlainText(base_);
    if (r.ok) {
        if (!lastError_.isEmpty()) ShowHint(QString());
        lastError_.clear();
    } else {
        Report(r.error);
    }
}

void TFormNote::WriteCalednar(const QString& key) {
    retry_->stop();  // also while the question below is open
    const bool wasWaiting = waiting_;
    QString mine = RichEdit->toPlainText();
    NoteSaveResult w = SaveDayNoteMerged(NotesPath(), key, base_, mine);
    if (w.status == NoteSaveStatus::Conflict) {
        const QString theirs = w.theirs;
        const QString resolved =
            ResolvedNote(AskNoteConflict(this, key, mine, theirs), mine, theirs);
        if (resolved != mine) {
            const QSignalBlocker blocker(RichEdit);
            RichEdit->setPlainText(resolved);
            RichEdit->moveCursor(QTextCursor::End);
        }
        mine = resolved;
        base_ = theirs;  // answered: the same text of the other copy is not asked about again
        w = SaveDayNoteMerged(NotesPath(), key, theirs, mine);
        if (w.status == NoteSaveStatus::Conflict)  // changed there once more meanwhile
            w.error = QString::fromUtf8(
                "заметку этого дня снова изменила другая копия программы; "
                "она будет сохранена при следующем изменении.");
    }
    waiting_ = w.status == NoteSaveStatus::Busy;
    unsaved_ =
        waiting_ || w.status == NoteSaveStatus::Failed || w.status == NoteSaveStatus::Conflict;
    DiscardButton->setVisible(unsaved_ && !waiting_);
    if (waiting_) {
        ShowWaiting(w.lockHeldSeconds);
        retry_->start();
    } else if (unsaved_) {
        ShowHint(QString::fromUtf8("Заметка не сохранена: ") + w.error);
        Report(w.error);
    } else {
        base_ = mine;
        if (!lastError_.isEmpty() || wasWaiting) ShowHint(QString());
        lastError_.clear();
        if (std::exchange(followDate_, false) && isVisible()) RaschetNote();
    }
}

void TFormNote::ShowWaiting(int lockHeldSeconds) {
    if (lockHeldSeconds < kLongHoldSeconds) {
        ShowHint(QString::fromUtf8("Блокнот сохраняет другая копия программы… Заметка будет "
                                   "сохранена, как только она закончит."),
                 /*error=*/false);
        return;
    }
    ShowHint(QString::fromUtf8("Файл заметок занят другой копией программы уже %1 с; заметка "
                               "пока не сохранена, набранное не потеряно. Если другая копия "
                               "не отвечает, закройте ее: заметка будет сохранена, как только "
                               "файл освободится.")
                 .arg(lockHeldSeconds));
}

void TFormNote::NoteChange() {
    RefuseOutsideCodePage();
    if (!shownKey_.isEmpty()) WriteCalednar(shownKey_);
}

void TFormNote::RefuseOutsideCodePage() {
    const QString text = RichEdit->toPlainText();
    const QString refused = NoteCharactersOutsideCodePage(text);
    if (refused.isEmpty()) return;
    // The cursor keeps its place among the characters that stay.
    const int cursor = RichEdit->textCursor().position();
    const int keptBefore = NoteTextInCodePage(text.left(cursor)).size();
    {
        const QSignalBlocker blocker(RichEdit);
        RichEdit->setPlainText(NoteTextInCodePage(text));
        QTextCursor c = RichEdit->textCursor();
        c.setPosition(keptBefore);
        RichEdit->setTextCursor(c);
    }
    ShowHint(QString::fromUtf8("Блокнот хранит только кириллицу и латиницу (Windows-1251); "
                               "не принято: ") +
             refused);
}

void TFormNote::ShowHint(const QString& hint, bool error) {
    HintLine->setStyleSheet(error ? QStringLiteral("color: #b00000")
                                  : QStringLiteral("color: #505050"));
    HintLine->setText(hint);
    HintLine->setVisible(!hint.isEmpty());
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
