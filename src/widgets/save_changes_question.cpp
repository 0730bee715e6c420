#include "widgets/save_changes_question.h"

#include <QMessageBox>

namespace {

SaveChangesAnswer AskWithBox(QWidget* parent, const QString& caption) {
    const auto button = QMessageBox::warning(parent, QString(), SaveChangesText(caption),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                             QMessageBox::Yes);
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
    return QString::fromUtf8("Сохранить изменения в файле ") + caption + QLatin1Char('?');
}

SaveChangesAnswer AskSaveChanges(QWidget* parent, const QString& caption) { return Asker()(parent, caption); }

void SetSaveChangesAsker(std::function<SaveChangesAnswer(QWidget*, const QString&)> asker) {
    Asker() = asker ? std::move(asker) : AskWithBox;
}
