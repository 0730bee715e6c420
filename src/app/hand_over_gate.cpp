// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/hand_over_gate.h"

#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <algorithm>
#include <utility>

#include "geomancy/table_file.h"
#include "person/person_file.h"
#include "widgets/error_box.h"

namespace {

// Names listed in the box for each reason; the rest are counted.
constexpr int kNamesShown = 5;

bool IsProgramFile(const QString& file) {
    const std::string path = file.toStdString();
    return IsPersonFileName(path) || IsTableFileName(path);
}

}  // namespace

QString HandOverGate::NameList(const Refused& refused) {
    QStringList names;
    for (const QString& file : refused.names)
        names.append(QStringLiteral("«%1»").arg(QDir::toNativeSeparators(file)));
    QString text = names.join(QStringLiteral(", "));
    if (refused.count > refused.names.size())
        text += QStringLiteral(" и еще %1").arg(refused.count - refused.names.size());
    return text;
}

HandOverGate::HandOverGate(std::function<void(const QStringList&)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {
    sinceTurns_.start();
}

void HandOverGate::Offer(const QStringList& files) {
    // A new box starts a new count; while one shows, it tells everything turned away since.
    if (!report_) otherKinds_ = tooMany_ = Refused{};
    bool refused = false;
    for (const QString& file : files) {
        if (!IsProgramFile(file)) {
            otherKinds_.Add(file);
            refused = true;
        } else if (!TakeTurn()) {
            tooMany_.Add(file);
            refused = true;
        } else {
            pending_.append(file);
        }
    }
    if (files.isEmpty()) toFront_ = true;
    if (refused) Report();
    // Opened from the event loop, not inside the socket's reading.
    if (!pending_.isEmpty() || toFront_) QTimer::singleShot(0, this, [this] { Dispatch(); });
}

void HandOverGate::Refused::Add(const QString& file) {
    if (names.size() < kNamesShown) names.append(file);
    ++count;
}

bool HandOverGate::TakeTurn() {
    const double seconds = double(sinceTurns_.restart()) / 1000.0;
    turns_ = std::min<double>(kHandOverBurst, turns_ + seconds * kHandOverFilesPerSecond);
    if (turns_ < 1.0) return false;
    turns_ -= 1.0;
    return true;
}

void HandOverGate::Dispatch() {
    if (opening_ || !open_) return;
    opening_ = true;
    while (!pending_.isEmpty() || toFront_) {
        toFront_ = false;
        open_(std::exchange(pending_, {}));
    }
    opening_ = false;
    // The windows just opened come to the front: the box of what was turned away stays above.
    if (report_) report_->raise();
}

void HandOverGate::Report() {
    QStringList parts;
    if (otherKinds_.count > 0)
        parts.append(QStringLiteral("Не открыты файлы (%1): %2. Программа открывает файлы людей "
                                    "(.gvp) и таблиц (.gvt).")
                         .arg(otherKinds_.count)
                         .arg(NameList(otherKinds_)));
    if (tooMany_.count > 0)
        parts.append(QStringLiteral("Не открыты файлы (%1): %2. Программе передано слишком много "
                                    "файлов сразу; откройте их позже.")
                         .arg(tooMany_.count)
                         .arg(NameList(tooMany_)));
    const QString text = parts.join(QStringLiteral("\n\n"));
    if (report_)
        report_->setText(text);
    else
        report_ = ShowErrorBox(nullptr, text);
}
