// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's application object. An error that escapes what a window does on a click or a key
// (out of memory, a fault of the program) is caught where the event is delivered and told in the
// error box: the one action is lost, the program and every window's unsaved work stay.
#include <QApplication>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
