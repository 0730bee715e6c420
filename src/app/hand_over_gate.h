// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the running program lets through of the files later starts hand to it: person and table
// files only, and a few a second at most, so that a runaway script cannot bury the screen under
// windows and boxes. What is turned away is told in one box, which grows while it is showing
// rather than a box per file.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QMessageBox;

// Files opened at once after a quiet while, and files a second after that.
inline constexpr int kHandOverBurst = 10;
inline constexpr int kHandOverFilesPerSecond = 2;

class HandOverGate : public QObject {
public:
    // `open` gets the files let through, on the user-interface thread, one call at a time (a
    // question it asks does not let later files in on top of it).
    explicit HandOverGate(std::function<void(const QStringList&)> open, QObject* parent = nullptr);

    // Files (absolute paths) from one start of the program; an empty list only brings the program
    // to the front.
    void Offer(const QStringList& files);

private:
    // Files turned away for one reason: the first few names, and how many.
    struct Refused {
        QStringList names;
        qsizetype count = 0;
        void Add(const QString& file);
    };
    static QString NameList(const Refused& refused);
    bool TakeTurn();
    void Dispatch();
    void Report();

    std::function<void(const QStringList&)> open_;
    QStringList pending_;
    bool toFront_ = false;  // an empty list waits to bring the program to the front
    bool opening_ = false;
    double turns_ = kHandOverBurst;
    QElapsedTimer sinceTurns_;
    Refused otherKinds_;
    Refused tooMany_;
    QPointer<QMessageBox> report_;
};
