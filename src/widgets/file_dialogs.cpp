// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {

FileDialogAsker& AskerStore() {
    static FileDialogAsker asker;
    return asker;
}

QString RunDialog(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    // Qt's own dialog, in the program's language (its columns and dates too).
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setLocale(QLocale());
    dialog.setDirectory(StartFolder(request.filter));
    dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                              : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileDialogKind::Save ? QFileDialog::AnyFile
                                                            : QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    const QString chosen = dialog.selectedFiles().first();
    RememberFolder(request.filter, chosen);
    return chosen;
}

}  // namespace

QString FileKindOf(const QString& filter) {
    static const QRegularExpression extension(QStringLiteral("\\*\\.(\\w+)"));
    const QRegularExpressionMatch m = extension.match(filter);
    return m.hasMatch() ? m.captured(1).toLower() : QString();
}

QString StartFolder(const QString& filter) {
    const QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                          QStringLiteral("Gavrosin"));
    const QString kind = FileKindOf(filter);
    const QString last =
        kind.isEmpty() ? QString() : store.value(QStringLiteral("Folders/") + kind).toString();
    if (!last.isEmpty() && QDir(last).exists()) return last;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

void RememberFolder(const QString& filter, const QString& chosenFile) {
    const QString kind = FileKindOf(filter);
    if (kind.isEmpty() || chosenFile.isEmpty()) return;
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Gavrosin"));
    store.setValue(QStringLiteral("Folders/") + kind, QFileInfo(chosenFile).absolutePath());
}

QString AskFileName(QWidget* parent, const FileDialogRequest& request) {
    if (AskerStore()) return AskerStore()(parent, request);
    return RunDialog(parent, request);
}

void SetFileDialogAsker(FileDialogAsker asker) {
    AskerStore() = std::move(asker);
}
