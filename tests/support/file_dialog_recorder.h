// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open and save dialogs of a window test: while a recorder lives, every dialog is answered by
// the test without showing anything and written down; the real dialogs come back after it.
#include <QString>
#include <vector>

#include "widgets/file_dialogs.h"

class FileDialogRecorder {
public:
    FileDialogRecorder() {
        SetFileDialogAsker([this](QWidget*, const FileDialogRequest& request) {
            requests.push_back(request);
            return request.kind == FileDialogKind::Open ? openAnswer : saveAnswer;
        });
    }
    ~FileDialogRecorder() { SetFileDialogAsker({}); }
    FileDialogRecorder(const FileDialogRecorder&) = delete;
    FileDialogRecorder& operator=(const FileDialogRecorder&) = delete;

    // Both kinds of dialog answer `path` ("" = cancelled).
    void AnswerAll(const QString& path) { openAnswer = saveAnswer = path; }

    // The dialogs of one kind asked for so far, in order.
    std::vector<FileDialogRequest> Of(FileDialogKind kind) const {
        std::vector<FileDialogRequest> asked;
        for (const FileDialogRequest& r : requests)
            if (r.kind == kind) asked.push_back(r);
        return asked;
    }
    int Count(FileDialogKind kind) const { return static_cast<int>(Of(kind).size()); }

    QString openAnswer;  // the chosen file ("" = cancelled)
    QString saveAnswer;
    std::vector<FileDialogRequest> requests;  // every dialog asked for, in order
};
