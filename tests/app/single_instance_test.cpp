// SPDX-License-Identifier: GPL-3.0-or-later
// One program per user: a second start with a file hands it to the running program and ends
// with 0; the running program opens the file in its window.
#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "support/shell_test.h"
#include "text/whole_file.h"

namespace {

class SingleInstanceTest : public ShellTest {};

// The program started as a user would start it, with this test's configuration folder.
int StartSecondCopy(const QString& configFolder, const QStringList& arguments) {
    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(GAVROSIN_BINARY_DIR "/gavrosin"), arguments);
    // The running copy (this test) answers from its event loop meanwhile.
    QElapsedTimer clock;
    clock.start();
    while (!second.waitForFinished(10) && clock.elapsed() < 20000)
        QCoreApplication::processEvents();
    if (second.state() != QProcess::NotRunning) {
        second.kill();
        second.waitForFinished();
        return -1;
    }
    return second.exitStatus() == QProcess::NormalExit ? second.exitCode() : -1;
}

TEST_F(SingleInstanceTest, ASecondStartHandsItsFileToTheRunningProgram) {
    QTemporaryDir dir;
    const QString config = QDir(dir.path()).filePath(QStringLiteral("config"));
    const QString table = QDir(dir.path()).filePath(QStringLiteral("дом.gvt"));
    ASSERT_EQ(ReplaceWholeFile(table.toStdString(), "[Fild1]\r\nDate=45000\r\nAzimut=95\r\n"), "");

    TFormMainGVR running;
    QStringList handed;
    InstanceServer server(InstanceSocketName(config), [&](const QStringList& files) {
        handed = files;
        running.OpenHandedFiles(files);
    });
    ASSERT_TRUE(server.Listening());

    EXPECT_EQ(StartSecondCopy(config, {table}), 0);
    EXPECT_EQ(handed, QStringList{QFileInfo(table).absoluteFilePath()});
    for (int i = 0; i < 20 && running.FormFh()->FileName().isEmpty(); ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(running.FormFh()->FileName(), QFileInfo(table).absoluteFilePath());
    EXPECT_TRUE(running.FormFh()->isVisible());
    EXPECT_EQ(running.FormFh()->windowTitle(), QStringLiteral("дом.gvt"));
}

}  // namespace
