// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pins the process locale for one test and gives the previous one back afterwards, so that no test
// leaves its locale to the ones that run after it (in any order). Engine tests pass kRussian
// explicitly; only what formats with the process locale (windows) needs the guard.
#include <QLocale>

inline const QLocale kRussian(QLocale::Russian, QLocale::Russia);

class LocaleGuard {
public:
    explicit LocaleGuard(const QLocale& pinned = kRussian) { QLocale::setDefault(pinned); }
    ~LocaleGuard() { QLocale::setDefault(previous_); }
    LocaleGuard(const LocaleGuard&) = delete;
    LocaleGuard& operator=(const LocaleGuard&) = delete;

private:
    QLocale previous_;  // the default at construction
};
