// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/disk_change_guard.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

namespace {

DiskChangeAnswer AskWithBox(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Warning, QString(), DiskChangeText(path), QMessageBox::NoButton,
                    parent);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
    QPushButton* reload =
        box.addButton(QString::fromUtf8("Загрузить с диска"), QMessageBox::DestructiveRole);
    QPushButton* overwrite =
        box.addButton(QString::fromUtf8("Перезаписать"), QMessageBox::AcceptRole);
    QPushButton* elsewhere =
        box.addButton(QString::fromUtf8("Сохранить как..."), QMessageBox::ActionRole);
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
    path_ = Canonical(path);
    known_ = StampOfFile(path_);
    declined_ = FileStamp();
}

void DiskChangeGuard::Forget() {
    path_.clear();
    known_ = FileStamp();
    declined_ = FileStamp();
}

bool DiskChangeGuard::MaySave(const QString& path) {
    if (path_.isEmpty() || Canonical(path) != path_ || !ChangedOnDisk(path_, known_)) return true;
    const QString file = path_;
    asking_ = true;
    const DiskChangeAnswer answer = AskDiskChange(&window_, file);
    asking_ = false;
    switch (answer) {
        case DiskChangeAnswer::Overwrite: return true;
        case DiskChangeAnswer::Reload:
            if (actions_.reload) actions_.reload(file);
            return false;
        case DiskChangeAnswer::SaveElsewhere:
            if (actions_.saveAs) actions_.saveAs();
            return false;
        case DiskChangeAnswer::Cancel: break;
    }
    return false;
}

void DiskChangeGuard::CheckNow() {
    if (asking_ || path_.isEmpty() || !ChangedOnDisk(path_, known_)) return;
    // Asked about this very change already and declined: the save will ask once more.
    if (declined_.exists && !ChangedOnDisk(path_, declined_)) return;
    const QString file = path_;
    asking_ = true;
    const DiskChangeAnswer answer = AskDiskChange(&window_, file);
    asking_ = false;
    switch (answer) {
        case DiskChangeAnswer::Reload:
            if (actions_.reload) actions_.reload(file);
            return;
        case DiskChangeAnswer::Overwrite:
            if (actions_.save) actions_.save();
            return;
        case DiskChangeAnswer::SaveElsewhere:
            if (actions_.saveAs) actions_.saveAs();
            return;
        case DiskChangeAnswer::Cancel: break;
    }
    declined_ = StampOfFile(file);
}

bool DiskChangeGuard::eventFilter(QObject* watched, QEvent* event) {
    // After the activation has been handled: the question's box must not fight the window for
    // the focus it is being given.
    if (watched == &window_ && event->type() == QEvent::WindowActivate && !asking_)
        QTimer::singleShot(0, this, [this] { CheckNow(); });
    return QObject::eventFilter(watched, event);
}
