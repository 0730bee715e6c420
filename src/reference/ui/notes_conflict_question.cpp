// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/notes_conflict_question.h"

#include <QMessageBox>
#include <QPushButton>

namespace {

NoteConflictChoice AskWithBox(QWidget* parent, const QString& day, const QString& mine,
                              const QString& theirs) {
    QMessageBox box(QMessageBox::Question, QString(),
                    QString::fromUtf8("Заметку дня «%1» изменила другая копия программы, пока "
                                      "здесь ее редактировали.")
                        .arg(day),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(QString::fromUtf8("Здесь:\n%1\n\nВ файле:\n%2").arg(mine, theirs));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QPushButton* keepMine =
        box.addButton(QString::fromUtf8("Оставить мою"), QMessageBox::AcceptRole);
    QPushButton* takeTheirs =
        box.addButton(QString::fromUtf8("Взять из файла"), QMessageBox::RejectRole);
    QPushButton* keepBoth =
        box.addButton(QString::fromUtf8("Оставить обе"), QMessageBox::ActionRole);
    box.setDefaultButton(keepBoth);
    box.exec();
    if (box.clickedButton() == keepMine) return NoteConflictChoice::KeepMine;
    if (box.clickedButton() == takeTheirs) return NoteConflictChoice::TakeTheirs;
    return NoteConflictChoice::KeepBoth;
}

NoteConflictAsker& Asker() {
    static NoteConflictAsker asker = AskWithBox;
    return asker;
}

bool AskEndWithBox(QWidget* parent, const QString& day) {
    QMessageBox box(QMessageBox::Warning, QString(),
                    QString::fromUtf8("Заметка дня «%1» не сохранена: файл заметок занят другой "
                                      "копией программы, и она его не освобождает.")
                        .arg(day),
                    QMessageBox::NoButton, parent);
    box.setInformativeText(QString::fromUtf8(
        "Закройте другую копию и программа сохранит заметку, или выйдите без нее."));
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QPushButton* end =
        box.addButton(QString::fromUtf8("Выйти без заметки"), QMessageBox::DestructiveRole);
    box.setDefaultButton(box.addButton(QString::fromUtf8("Не выходить"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == end;
}

std::function<bool(QWidget*, const QString&)>& EndAsker() {
    static std::function<bool(QWidget*, const QString&)> asker = AskEndWithBox;
    return asker;
}

}  // namespace

NoteConflictChoice AskNoteConflict(QWidget* parent, const QString& day, const QString& mine,
                                   const QString& theirs) {
    return Asker()(parent, day, mine, theirs);
}

void SetNoteConflictAsker(NoteConflictAsker asker) {
    Asker() = asker ? std::move(asker) : AskWithBox;
}

bool AskEndWithoutNote(QWidget* parent, const QString& day) {
    return EndAsker()(parent, day);
}

void SetEndWithoutNoteAsker(std::function<bool(QWidget*, const QString&)> asker) {
    EndAsker() = asker ? std::move(asker) : AskEndWithBox;
}
