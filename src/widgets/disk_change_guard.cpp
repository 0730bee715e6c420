// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/disk_change_guard.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QWidget>

#include "text/locked_save.h"
#include "widgets/error_box.h"

namespace {

DiskChangeAnswer AskWithBox(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Warning, QString(), DiskChangeText(path), QMessageBox::NoButton,
                    parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // The choice that loses nothing comes first and is the default; "Перезаписать", which loses
    // the other copy's change, is not first. All take one role, so that every platform's button
    // layout keeps this order.
    QPushButton* elsewhere =
        box.addButton(QString::fromUtf8("Сохранить как..."), QMessageBox::ActionRole);
    QPushButton* reload =
        box.addButton(QString::fromUtf8("Загрузить с диска"), QMessageBox::ActionRole);
    QPushButton* overwrite =
        box.addButton(QString::fromUtf8("Перезаписать"), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(elsewhere);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == reload) return DiskChangeAnswer::Reload;
    if (box.clickedButton() == overwrite) return DiskChangeAnswer::Overwrite;
    if (box.clickedButton() == elsewhere) return DiskChangeAnswer::SaveElsewhere;
    return DiskChangeAnswer::Cancel;
}

std::function<DiskChangeAnswer(QWidget*, const QString&)>& Asker() {
    static std::function<DiskChangeAnswer(QWidget*, const QString&)> asker = AskWithBox;
    return asker;
}

QString Canonical(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

QString DiskChangeText(const QString& path) {
    return QString::fromUtf8(
               "Файл «%1» изменен на диске (другой программой или другой копией Gavrosin) "
               "после того, как был открыт здесь.\n\nЗагрузить его с диска (изменения в окне "
               "будут потеряны), перезаписать его данными окна (потеряются изменения на диске) "
               "или сохранить данные окна под другим именем?")
        .arg(QDir::toNativeSeparators(path));
}

DiskChangeAnswer AskDiskChange(QWidget* parent, const QString& path) {
    return Asker()(parent, path);
}

void SetDiskChangeAsker(std::function<DiskChangeAnswer(QWidget*, const QString&)> asker) {
    Asker() = asker ? std::move(asker) : AskWithBox;
}

DiskChangeGuard::DiskChangeGuard(QWidget& window, Actions actions)
    : QObject(&window), window_(window), actions_(std::move(actions)) {
    window_.installEventFilter(this);
}

void DiskChangeGuard::Remember(const QString& path) {
    const QString canonical = Canonical(path);
    Remember(canonical, StampOfFile(canonical));
}

void DiskChangeGuard::Remember(const QString& path, const FileStamp& stamp) {
    path_ = path;
    known_ = stamp;
    answered_ = FileStamp();
    hasAnswered_ = false;
}

void DiskChangeGuard::Forget() {
    path_.clear();
    known_ = FileStamp();
    answered_ = FileStamp();
    hasAnswered_ = false;
}

bool DiskChangeGuard::AnsweredAlready(const FileStamp& change) const {
    return hasAnswered_ && answered_.exists == change.exists && answered_.hash == change.hash;
}

DiskChangeAnswer DiskChangeGuard::Ask(const FileStamp& change) {
    // Whatever the answer, this change has been shown: the front check does not ask again.
    answered_ = change;
    hasAnswered_ = true;
    asking_ = true;
    const DiskChangeAnswer answer = AskDiskChange(&window_, path_);
    asking_ = false;
    return answer;
}

bool DiskChangeGuard::Save(const QString& path, const std::function<bool()>& write) {
    const QString target = Canonical(path);
    const bool kept = !path_.isEmpty() && target == path_;
    for (;;) {
        const LockedSave saved = SaveUnderLock(target, kept ? &known_ : nullptr, write);
        switch (saved.status) {
            case LockedSaveStatus::Written: Remember(target, saved.stamp); return true;
            case LockedSaveStatus::Failed: return false;
            case LockedSaveStatus::Busy:
                ShowErrorBox(&window_, QString::fromStdString(LockedSaveBusyMessage(target)));
                return false;
            case LockedSaveStatus::ChangedOnDisk: break;
        }
        const QString file = path_;
        switch (Ask(saved.stamp)) {
            case DiskChangeAnswer::Overwrite:
                known_ = saved.stamp;  // written if the file is still what the user saw
                continue;
            case DiskChangeAnswer::Reload:
                if (actions_.reload) actions_.reload(file);
                return false;
            case DiskChangeAnswer::SaveElsewhere:
                if (actions_.saveAs) actions_.saveAs();
                return false;
            case DiskChangeAnswer::Cancel: return false;
        }
        return false;
    }
}

void DiskChangeGuard::CheckNow() {
    if (asking_ || path_.isEmpty() || !known_.exists) return;
    const FileStamp change = StampOfFile(path_);
    if (!StampDiffers(change, known_) || AnsweredAlready(change))
        return;  // the save will ask once more
    const QString file = path_;
    // Nothing to lose in the window: it shows what the file holds now.
    if (change.exists && actions_.modified && !actions_.modified() && actions_.reload) {
        answered_ = change;  // a file that cannot be read now is not tried at every click
        hasAnswered_ = true;
        if (actions_.reload(file)) ShowReloaded();
        return;
    }
    switch (Ask(change)) {
        case DiskChangeAnswer::Reload:
            if (actions_.reload) actions_.reload(file);
            return;
        case DiskChangeAnswer::Overwrite:
            known_ = change;
            if (actions_.save) actions_.save();
            return;
        case DiskChangeAnswer::SaveElsewhere:
            if (actions_.saveAs) actions_.saveAs();
            return;
        case DiskChangeAnswer::Cancel: return;
    }
}

void DiskChangeGuard::ShowReloaded() {
    auto* main = qobject_cast<QMainWindow*>(&window_);
    if (!main) return;
    constexpr int kShownMs = 15000;
    main->statusBar()->showMessage(
        QString::fromUtf8("Файл «%1» изменен на диске другой программой и загружен заново.")
            .arg(QFileInfo(path_).fileName()),
        kShownMs);
}

bool DiskChangeGuard::eventFilter(QObject* watched, QEvent* event) {
    // After the activation has been handled: the question's box must not fight the window for
    // the focus it is being given.
    if (watched == &window_ && event->type() == QEvent::WindowActivate && !asking_)
        QTimer::singleShot(0, this, [this] { CheckNow(); });
    return QObject::eventFilter(watched, event);
}
