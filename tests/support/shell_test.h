// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window test of the shell needs: one QApplication for the test program, a settings
// store and a user data folder in a temporary folder (never the user's), the Russian locale, a
// fixed clock and the data folder of the build.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "astro/moment.h"
#include "support/locale_guard.h"
#include "widgets/clock.h"
#include "widgets/guarded_application.h"
#include "widgets/program_folder.h"

inline QApplication& TestApplication() {
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) return *app;
    static int argc = 1;
    static char name[] = "test_windows";
    static char* argv[] = {name, nullptr};
    // Never destroyed: tearing Qt down among the program's exit handlers crashes at random.
    // The program's own application, so that the windows are tested as the program runs them.
    static QApplication* app = new GuardedApplication(argc, argv);
    return *app;
}

// The fixed "now" of the tests: 2024-06-21 12:00 (a Friday), local civil time.
inline Moment TestNow() {
    return EncodeMoment(2024, 6, 21, 12, 0, 0);
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        TestApplication();
        QStandardPaths::setTestModeEnabled(true);
        settingsFolder_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(settingsFolder_->isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_->path());
        SetClock([] { return TestNow(); });
        SetProgramFolder(QStringLiteral(GAVROSIN_BINARY_DIR));
        SetUserDataFolder(QDir(settingsFolder_->path()).filePath(QStringLiteral("data")));
    }

    void TearDown() override {
        SetClock({});
        SetProgramFolder(QString());
        SetUserDataFolder(QString());
    }

    QString SettingsFolder() const { return settingsFolder_->path(); }

private:
    LocaleGuard locale_;  // Russian for the test, the previous locale after it
    std::unique_ptr<QTemporaryDir> settingsFolder_;
};
