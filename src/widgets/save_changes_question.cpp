// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/save_changes_question.h"

#include <QMessageBox>

namespace {

SaveChangesAnswer AskWithBox(QWidget* parent, const QString& caption) {
    // Over the always-on-top window it concerns, never behind it.
    QMessageBox box(QMessageBox::Warning, QString(), SaveChangesText(caption),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    const auto button = static_cast<QMessageBox::StandardButton>(box.exec());
    if (button == QMessageBox::Yes) return SaveChangesAnswer::Save;
    if (button == QMessageBox::No) return SaveChangesAnswer::Discard;
    return SaveChangesAnswer::Cancel;
}

std::function<SaveChangesAnswer(QWidget*, const QString&)>& Asker() {
    static std::function<SaveChangesAnswer(QWidget*, const QString&)> asker = AskWithBox;
    return asker;
}

}  // namespace

QString SaveChangesText(const QString& caption) {
    if (caption.isEmpty()) return QString::fromUtf8("Сохранить изменения?");
    return QString::fromUtf8("Сохранить изменения в файле ") + caption + QLatin1Char('?');
}

SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& caption) {
    return Asker()(parent, caption);
}

void SetSaveChangesAsker(std::function<SaveChangesAnswer(QWidget*, const QString&)> asker) {
    Asker() = asker ? std::move(asker) : AskWithBox;
}
