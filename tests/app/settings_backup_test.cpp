// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/settings_backup.h"

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

namespace {

const QString kValue(400, QLatin1Char('v'));
constexpr int kKeys = 20;

void FillStore(QSettings& store) {
    for (int k = 0; k < kKeys; ++k) store.setValue(QStringLiteral("Pref/Key%1").arg(k), kValue);
}

int KeysIn(const QString& file) {
    const QSettings read(file, QSettings::IniFormat);
    int n = 0;
    for (int k = 0; k < kKeys; ++k) n += read.value(QStringLiteral("Pref/Key%1").arg(k)) == kValue;
    return n;
}

}  // namespace

// An emptied settings file is restored from the copy the last good write left.
TEST(SettingsBackup, AnEmptiedFileIsRestoredAtStart) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Gavrosin.conf"));
    {
        QSettings store(file, QSettings::IniFormat);
        FillStore(store);
        EXPECT_TRUE(SyncSettings(store));
    }
    EXPECT_EQ(KeysIn(SettingsBackupPath(file)), kKeys);
    QFile::resize(file, 0);
    EXPECT_TRUE(RestoreSettingsFromBackup(file));
    EXPECT_EQ(KeysIn(file), kKeys);
    EXPECT_FALSE(RestoreSettingsFromBackup(file));  // a good file is left alone
}

// The real thing: one free page, room for the lock file and not for the new copy. The file keeps
// every setting, and the failure is said once however many writes fail.
TEST(SettingsBackup, ANearlyFullDiskKeepsEverySetting) {
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (geteuid() != 0 ||
        mount("gavrosin-test", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small filesystem here";
    }
    struct Unmount {
        const char* path;
        ~Unmount() { umount(path); }
    } unmount{mountPoint.constData()};
    const QString file = dir.filePath(QStringLiteral("Gavrosin.conf"));
    QStringList said;
    SetSettingsFailureReporter([&said](const QString& message) { said.append(message); });
    ResetSettingsFailureReport();
    {
        QSettings store(file, QSettings::IniFormat);
        FillStore(store);
        ASSERT_TRUE(SyncSettings(store));
        // Fill the disk, then free one page.
        QFile room(dir.filePath(QStringLiteral("room")));
        ASSERT_TRUE(room.open(QIODevice::WriteOnly));
        room.write(QByteArray(4096, 'r'));
        room.close();
        QFile filler(dir.filePath(QStringLiteral("filler")));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        filler.close();
        room.remove();

        store.setValue(QStringLiteral("Pref/Key0"), QString(kValue).append(QLatin1Char('+')));
        EXPECT_FALSE(SyncSettings(store));
        store.setValue(QStringLiteral("Pref/Key1"), QString(kValue).append(QLatin1Char('+')));
        EXPECT_FALSE(SyncSettings(store));
    }
    EXPECT_GE(KeysIn(file), kKeys - 2);
    EXPECT_EQ(said.size(), 1);
    SetSettingsFailureReporter(nullptr);
}
