// SPDX-License-Identifier: GPL-3.0-or-later
// One program per user: a second start with a file hands it to the running program and ends
// with 0; the running program opens the file in its window. Another user never gets the files
// nor stops the program, and a flood through the socket opens a few files and one box.
#include "app/single_instance.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <atomic>
#include <functional>
#include <thread>

#include "app/hand_over_gate.h"
#include "app/main_window.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "support/shell_test.h"
#include "text/whole_file.h"

namespace {

// Each test gets its own runtime and temporary folders; the user's are given back after it.
class SingleInstanceTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(folders_.isValid());
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) saved_.append(qgetenv(name));
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("TMPDIR", folders_.path().toUtf8());
    }
    void TearDown() override {
        int i = 0;
        for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"}) {
            if (saved_[i].isEmpty())
                qunsetenv(name);
            else
                qputenv(name, saved_[i]);
            ++i;
        }
        ShellTest::TearDown();
    }
    QString Folder(const QString& name) const {
        const QString path = QDir(folders_.path()).filePath(name);
        QDir().mkpath(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }
    QString Config() const { return QDir(folders_.path()).filePath(QStringLiteral("config")); }

private:
    QTemporaryDir folders_;
    QList<QByteArray> saved_;
};

// Another user's id to give files to; the test is skipped where it cannot (not root).
constexpr uid_t kOtherUser = 65534;
bool GiveToOtherUser(const QString& path) {
    return ::lchown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) == 0;
}

// Runs `client` in a thread of its own (as another start of the program would) while this
// program answers from its event loop.
void WhileAnswering(const std::function<void()>& client) {
    std::atomic<bool> done = false;
    std::thread thread([&] {
        client();
        done = true;
    });
    while (!done) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    thread.join();
    QCoreApplication::processEvents();
}

int ShownBoxes() {
    int boxes = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(window) && window->isVisible()) ++boxes;
    return boxes;
}

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
    // The files open from the event loop, after the reply.
    for (int i = 0; i < 20 && running.FormFh()->FileName().isEmpty(); ++i)
        QCoreApplication::processEvents();
    EXPECT_EQ(handed, QStringList{QFileInfo(table).absoluteFilePath()});
    EXPECT_EQ(running.FormFh()->FileName(), QFileInfo(table).absoluteFilePath());
    EXPECT_TRUE(running.FormFh()->isVisible());
    EXPECT_EQ(running.FormFh()->windowTitle(), QStringLiteral("дом.gvt"));
}

TEST_F(SingleInstanceTest, TheSocketLivesInAFolderOfTheUserAlone) {
    struct stat info {};
    const QString own = QFileInfo(InstanceSocketName(Config())).path();
    ASSERT_EQ(::stat(QFile::encodeName(own).constData(), &info), 0) << own.toStdString();
    EXPECT_EQ(info.st_uid, ::geteuid());
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_NE(QDir(own), QDir(QDir::tempPath()));
    // The session's runtime folder when it has one.
    const QString runtime = Folder(QStringLiteral("runtime"));
    qputenv("XDG_RUNTIME_DIR", runtime.toUtf8());
    EXPECT_EQ(QFileInfo(InstanceSocketName(Config())).path(), runtime);
}

TEST_F(SingleInstanceTest, AFolderOfAnotherUserIsNotUsed) {
    const QString taken = Folder(QStringLiteral("gavrosin-%1").arg(::geteuid()));
    if (!GiveToOtherUser(taken)) GTEST_SKIP() << "cannot give a folder to another user";
    EXPECT_EQ(InstanceSocketName(Config()), QString());
    EXPECT_FALSE(HandToRunningInstance(InstanceSocketName(Config()), {}));
    EXPECT_FALSE(InstanceServer(InstanceSocketName(Config()), {}).Listening());
}

TEST_F(SingleInstanceTest, ASocketOfAnotherUserGetsNoFilesAndIsLeftAlone) {
    qputenv("XDG_RUNTIME_DIR", Folder(QStringLiteral("runtime")).toUtf8());
    const QString name = InstanceSocketName(Config());
    QLocalServer squatter;
    ASSERT_TRUE(squatter.listen(name));
    if (!GiveToOtherUser(squatter.fullServerName()))
        GTEST_SKIP() << "cannot give a socket to another user";
    int connections = 0;
    QObject::connect(&squatter, &QLocalServer::newConnection, [&] { ++connections; });

    bool handed = true;
    WhileAnswering(
        [&] { handed = HandToRunningInstance(name, {QStringLiteral("/home/дом.gvt")}); });
    EXPECT_FALSE(handed);
    EXPECT_EQ(connections, 0);
    EXPECT_FALSE(InstanceServer(name, {}).Listening());
    EXPECT_TRUE(QFileInfo::exists(squatter.fullServerName()));
}

TEST_F(SingleInstanceTest, AFloodOpensAFewFilesAndOneBox) {
    int opened = 0;
    InstanceServer server(InstanceSocketName(Config()),
                          [&](const QStringList& files) { opened += files.size(); });
    ASSERT_TRUE(server.Listening());
    const int boxesBefore = ShownBoxes();
    QElapsedTimer clock;
    clock.start();
    WhileAnswering([&] {
        for (int i = 0; i < 200; ++i) {
            const QString file =
                QStringLiteral("/tmp/flood/%1.%2").arg(i).arg(i % 2 ? "gvp" : "txt");
            HandToRunningInstance(InstanceSocketName(Config()), {file});
        }
    });
    const double seconds = double(clock.elapsed()) / 1000.0;
    EXPECT_GE(opened, 1);
    EXPECT_LE(opened, kHandOverBurst + int(kHandOverFilesPerSecond * (seconds + 1)));
    EXPECT_EQ(ShownBoxes() - boxesBefore, 1);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QMessageBox*>(window)) window->close();
}

TEST_F(SingleInstanceTest, AHugeLineIsDroppedAndTheProgramAnswersOn) {
    QStringList opened;
    InstanceServer server(InstanceSocketName(Config()),
                          [&](const QStringList& files) { opened += files; });
    bool dropped = false;
    WhileAnswering([&] {
        QLocalSocket socket;
        socket.connectToServer(InstanceSocketName(Config()));
        if (!socket.waitForConnected(5000)) return;
        socket.write(QByteArray(10 * 1024 * 1024, 'a'));
        dropped =
            socket.state() == QLocalSocket::UnconnectedState || socket.waitForDisconnected(20000);
    });
    EXPECT_TRUE(dropped);
    bool handed = false;
    const QString table = QStringLiteral("/home/дом.gvt");
    WhileAnswering([&] { handed = HandToRunningInstance(InstanceSocketName(Config()), {table}); });
    EXPECT_TRUE(handed);
    EXPECT_EQ(opened, QStringList{table});
}

}  // namespace
