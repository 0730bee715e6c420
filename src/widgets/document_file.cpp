// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/document_file.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "text/ini_file.h"
#include "widgets/disk_change_guard.h"
#include "widgets/error_box.h"
#include "widgets/file_dialogs.h"
#include "widgets/save_changes_question.h"

DocumentFile::DocumentFile(QWidget& window, DocumentFileKind kind)
    : window_(window),
      kind_(std::move(kind)),
      diskGuard_(new DiskChangeGuard(
          window,
          {[this](const QString& path) { return kind_.reload && kind_.reload(path); },
           [this] { WriteTo(path_); }, [this] { SaveAs(); }, [this] { return modified_; }})) {}

void DocumentFile::Opened(const QString& path) {
    Bind(path);
    diskGuard_->Remember(path);
}

void DocumentFile::Bind(const QString& path) {
    path_ = path;
    bound_ = true;
    modified_ = false;
    window_.setWindowTitle(QFileInfo(path).fileName());
}

void DocumentFile::Unbind() {
    bound_ = false;
    modified_ = false;
    diskGuard_->Forget();
}

void DocumentFile::Clear() {
    Unbind();
    path_.clear();
}

QString DocumentFile::AskOpenName() {
    return AskFileName(&window_, {FileDialogKind::Open, kind_.filter, QString()});
}

bool DocumentFile::Save() {
    return bound_ ? WriteTo(path_) : SaveAs();
}

bool DocumentFile::SaveAs() {
    // The dialog asks before it overwrites a file.
    QString proposed = ProposedName();
    if (kind_.proposeInFileFolder && !path_.isEmpty())
        proposed = QFileInfo(path_).dir().filePath(proposed);
    const QString path =
        AskFileName(&window_, {FileDialogKind::Save, kind_.filter, kind_.suffix, proposed});
    if (path.isEmpty()) return false;
    return WriteTo(path);
}

bool DocumentFile::WriteTo(const QString& path) {
    if (!diskGuard_->Save(path, [this, &path] { return Write(path); })) return false;
    Bind(path);
    return true;
}

bool DocumentFile::Write(const QString& path) {
    try {
        kind_.write(path.toStdString());
    } catch (const EFileError& e) {
        ShowErrorBox(&window_, QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

bool DocumentFile::MayDiscard() {
    if (!modified_) return true;
    // A document not yet in a file is asked about without a file name.
    switch (AskSaveChanges(&window_, bound_ ? FileName() : QString())) {
        // Only over a document that is safely in its file.
        case SaveChangesAnswer::Save: return Save();
        case SaveChangesAnswer::Discard: return true;
        case SaveChangesAnswer::Cancel: return false;
    }
    return false;
}

QString DocumentFile::ProposedName() const {
    if (bound_ || !kind_.proposedName) return window_.windowTitle();
    QString name = kind_.proposedName().trimmed();
    // Characters file systems refuse become blanks.
    for (QChar& c : name)
        if (QStringLiteral("\\/:*?\"<>|").contains(c)) c = QLatin1Char(' ');
    name = name.simplified();
    return name.isEmpty() ? window_.windowTitle() : name;
}

QString DocumentFile::FileName() const {
    if (bound_) return QFileInfo(path_).fileName();
    return ProposedName() + QLatin1Char('.') + kind_.suffix;
}
