// SPDX-License-Identifier: GPL-3.0-or-later
// A table file changed on disk behind the window (another copy of the program, another program,
// a synced folder): the next save asks before it overwrites, and so does the window when it
// comes to the front.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <memory>

#include "calendar/moment_calendar.h"
#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "support/shell_test.h"
#include "text/whole_file.h"
#include "widgets/disk_change_guard.h"
#include "widgets/file_dialogs.h"

namespace {

class TableFileChangedTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        moment_ = ComputeMomentCalendar(TestNow(), TimeSettings()).moment;
        SetDiskChangeAsker([this](QWidget*, const QString& path) {
            asked_.append(path);
            return answer_;
        });
        SetFileDialogAsker([this](QWidget*, const FileDialogRequest&) { return saveAs_; });
        path_ = QDir(dir_.path()).filePath(QStringLiteral("дом.gvt"));
        Write("[Fild1]\r\nDate=45000\r\nAzimut=95\r\n");
        window_ = std::make_unique<TFormFh>(
            TableWindowSources{[this] { return moment_; }, [] { return 3.0f; }});
        ASSERT_TRUE(window_->OpenFileTwo(path_));
    }
    void TearDown() override {
        window_.reset();
        SetDiskChangeAsker({});
        SetFileDialogAsker({});
        ShellTest::TearDown();
    }

    void Write(const std::string& bytes) {
        ASSERT_EQ(ReplaceWholeFile(path_.toStdString(), bytes), "");
    }
    std::string OnDisk(const QString& path) const {
        std::string bytes;
        ReadWholeFile(path.toStdString(), bytes);
        return bytes;
    }
    void Activate() {
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(window_.get(), &activate);
        QCoreApplication::processEvents();
    }
    void TypeAzimuth(const char* text) {
        window_->Azimuth->EditAz->setText(QString::fromUtf8(text));
    }

    QTemporaryDir dir_;
    QString path_;
    CurrentMoment moment_;
    std::unique_ptr<TFormFh> window_;
    QStringList asked_;
    DiskChangeAnswer answer_ = DiskChangeAnswer::Cancel;
    QString saveAs_;
};

TEST_F(TableFileChangedTest, ASaveOverAFileChangedBehindTheWindowAsksFirst) {
    const std::string theirs = "[Fild1]\r\nDate=45000\r\nAzimut=200\r\n";
    Write(theirs);
    TypeAzimuth("120");

    // Cancel: nothing is written, the window keeps its data; coming to the front does not ask
    // again for the change just answered.
    window_->SaveClick();
    ASSERT_EQ(asked_.size(), 1);
    EXPECT_EQ(OnDisk(path_), theirs);
    EXPECT_TRUE(window_->Modified());
    Activate();
    EXPECT_EQ(asked_.size(), 1);

    // Another name: theirs stays, the window's table goes to the new file.
    answer_ = DiskChangeAnswer::SaveElsewhere;
    saveAs_ = QDir(dir_.path()).filePath(QStringLiteral("мой.gvt"));
    window_->SaveClick();
    EXPECT_EQ(OnDisk(path_), theirs);
    EXPECT_NE(OnDisk(saveAs_).find("Azimut=120"), std::string::npos);

    // Reload: the window shows what the file holds now.
    Write(theirs);
    window_->OpenFileTwo(path_);
    TypeAzimuth("130");
    Write("[Fild1]\r\nDate=45000\r\nAzimut=210\r\n");
    answer_ = DiskChangeAnswer::Reload;
    window_->SaveClick();
    EXPECT_EQ(window_->Azimuth->EditAz->text(), QStringLiteral("210"));
    EXPECT_FALSE(window_->Modified());

    // Overwrite: asked, then written.
    Write(theirs);
    TypeAzimuth("140");
    answer_ = DiskChangeAnswer::Overwrite;
    const int before = asked_.size();
    window_->SaveClick();
    EXPECT_EQ(asked_.size(), before + 1);
    EXPECT_NE(OnDisk(path_).find("Azimut=140"), std::string::npos);
    // Unchanged since: the next save asks nothing.
    TypeAzimuth("150");
    window_->SaveClick();
    EXPECT_EQ(asked_.size(), before + 1);
}

// At the front, a window without edits shows the file as it is now and says so; one with edits
// asks, once for one change.
TEST_F(TableFileChangedTest, AtTheFrontAnUneditedWindowReloadsAndAnEditedOneAsks) {
    Activate();
    EXPECT_TRUE(asked_.isEmpty());  // nothing changed

    Write("[Fild1]\r\nDate=45000\r\nAzimut=200\r\n");
    Activate();
    EXPECT_TRUE(asked_.isEmpty());
    EXPECT_EQ(window_->Azimuth->EditAz->text(), QStringLiteral("200"));
    EXPECT_FALSE(window_->Modified());
    EXPECT_TRUE(window_->statusBar()->currentMessage().contains(QStringLiteral("загружен заново")))
        << window_->statusBar()->currentMessage().toStdString();

    TypeAzimuth("120");
    Write("[Fild1]\r\nDate=45000\r\nAzimut=210\r\n");
    Activate();
    ASSERT_EQ(asked_.size(), 1);
    EXPECT_EQ(QDir::toNativeSeparators(asked_[0]), QDir::toNativeSeparators(path_));
    // Declined: not asked again for the same change; the save still asks; a newer change asks.
    Activate();
    EXPECT_EQ(asked_.size(), 1);
    window_->SaveClick();
    EXPECT_EQ(asked_.size(), 2);
    Write("[Fild1]\r\nDate=45000\r\nAzimut=220\r\n");
    Activate();
    EXPECT_EQ(asked_.size(), 3);
}

// The question's default loses nothing, and "Перезаписать" is not the first button.
TEST_F(TableFileChangedTest, OverwriteIsNeitherFirstNorTheDefault) {
    SetDiskChangeAsker({});
    QStringList order;
    QString byDefault;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
            return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
        });
        for (QAbstractButton* b : buttons) order << b->text();
        byDefault = box->defaultButton()->text();
        box->reject();
    });
    EXPECT_EQ(AskDiskChange(window_.get(), path_), DiskChangeAnswer::Cancel);
    ASSERT_EQ(order.size(), 4);
    EXPECT_NE(order.first(), QStringLiteral("Перезаписать")) << order.join('|').toStdString();
    EXPECT_EQ(byDefault, QStringLiteral("Сохранить как..."));
}

// The user's files that look like a temporary of the table (an hour old, as a killed save's
// leftover could be) survive the window's save.
TEST_F(TableFileChangedTest, FilesNamedLikeTheTableSurviveItsSave) {
    const QStringList lookAlikes = {QStringLiteral("дом.gvt.2024v1"),
                                    QStringLiteral("дом.gvt.copy01"),
                                    QStringLiteral("дом.gvt.old123")};
    for (const QString& name : lookAlikes) {
        QFile f(QDir(dir_.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                      QFileDevice::FileModificationTime);
    }
    TypeAzimuth("120");
    window_->SaveClick();
    EXPECT_NE(OnDisk(path_).find("Azimut=120"), std::string::npos);
    for (const QString& name : lookAlikes)
        EXPECT_TRUE(QFile::exists(QDir(dir_.path()).filePath(name))) << name.toStdString();
}

}  // namespace
