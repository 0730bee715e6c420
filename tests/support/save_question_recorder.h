// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unsaved-changes question of a window test: while a recorder lives, every question is
// answered by the test without a box and its caption written down; the real box comes back after.
#include <QString>
#include <vector>

#include "widgets/save_changes_question.h"

class SaveQuestionRecorder {
public:
    explicit SaveQuestionRecorder(SaveChangesAnswer always = SaveChangesAnswer::Cancel)
        : answer(always) {
        SetSaveChangesAsker([this](QWidget*, const QString& caption) {
            captions.push_back(caption);
            if (queued.empty()) return answer;
            const SaveChangesAnswer next = queued.front();
            queued.erase(queued.begin());
            return next;
        });
    }
    ~SaveQuestionRecorder() { SetSaveChangesAsker({}); }
    SaveQuestionRecorder(const SaveQuestionRecorder&) = delete;
    SaveQuestionRecorder& operator=(const SaveQuestionRecorder&) = delete;

    SaveChangesAnswer answer;               // the answer once `queued` is used up
    std::vector<SaveChangesAnswer> queued;  // the next answers, in order
    std::vector<QString> captions;          // the caption of every question asked, in order
};
