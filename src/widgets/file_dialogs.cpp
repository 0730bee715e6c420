#include "widgets/file_dialogs.h"

#include <QFileDialog>

namespace {

FileDialogAsker& AskerStore() {
    static FileDialogAsker asker;
    return asker;
}

QString RunDialog(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(request.kind == FileDialogKind::Save ? QFileDialog::AcceptSave
                                                              : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.kind == FileDialogKind::Save ? QFileDialog::AnyFile
                                                            : QFileDialog::ExistingFile);
    dialog.setNameFilter(request.filter);
    if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

}  // namespace

QString AskFileName(QWidget* parent, const FileDialogRequest& request) {
    if (AskerStore()) return AskerStore()(parent, request);
    return RunDialog(parent, request);
}

void SetFileDialogAsker(FileDialogAsker asker) { AskerStore() = std::move(asker); }
