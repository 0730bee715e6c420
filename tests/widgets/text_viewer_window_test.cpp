// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_viewer_window.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTextEdit>

#include "support/shell_test.h"
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"
#include "widgets/page_viewer.h"
#include "widgets/rich_text_document.h"
#include "widgets/window_cascade.h"

namespace {

class TextViewerTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        QDir(folder_.path()).mkpath(QStringLiteral("other/ses"));
        SetProgramFolder(folder_.path());
        TextViewerCascade().Reset();
    }

    void WritePage(const QString& relative, const std::string& title, const std::string& body) {
        RichDocument doc(2);
        doc[0].alignment = ParagraphAlignment::Centre;
        TextStyle bold;
        bold.bold = true;
        bold.pointSize = 14;
        doc[0].runs = {{title, bold}};
        doc[1].runs = {{body, TextStyle()}};
        QFile file(QDir(folder_.path()).filePath(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string rtf = WriteRtf(doc);
        file.write(rtf.data(), static_cast<qint64>(rtf.size()));
    }

    QTemporaryDir folder_;
};

TEST_F(TextViewerTest, TwoViewersCascadeAndEachKeepsItsOwnPage) {
    WritePage(QStringLiteral("other/ses/s1.rtf"), "Становление весны", "Первый сезон года.");
    WritePage(QStringLiteral("other/stars.rtf"), "Звезды", "Описание девяти звезд.");

    TFormText* first = OpenPageViewer(QStringLiteral("\\other\\ses\\s1.rtf"));
    TFormText* second = OpenPageViewer(QStringLiteral("\\other\\stars.rtf"));
    EXPECT_EQ(first->pos(), QPoint(10, 106));
    EXPECT_EQ(second->pos(), QPoint(30, 126));
    EXPECT_EQ(first->Page(), QStringLiteral("\\other\\ses\\s1.rtf"));
    EXPECT_TRUE(first->RichEdit->toPlainText().contains(QString::fromUtf8("Первый сезон года.")));
    EXPECT_TRUE(second->RichEdit->toPlainText().contains(QString::fromUtf8("девяти звезд")));
    EXPECT_FALSE(first->RichEdit->toPlainText().contains(QString::fromUtf8("Звезды")));
    EXPECT_TRUE(first->LastError().isEmpty());

    const RichDocument shown = RichDocumentOf(*first->RichEdit->document());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].alignment, ParagraphAlignment::Centre);
    EXPECT_TRUE(shown[0].runs.at(0).style.bold);
    delete first;
    delete second;
}

TEST_F(TextViewerTest, TheViewerHasItsCaptionMenuAndSize) {
    WritePage(QStringLiteral("other/bc.rtf"), "Ба чжай", "Сектора.");
    TFormText* viewer = OpenPageViewer(QStringLiteral("\\other\\bc.rtf"));
    EXPECT_EQ(viewer->windowTitle(), QString::fromUtf8("Инфо"));
    EXPECT_EQ(viewer->SaveAsAction->text(), QString::fromUtf8("Сохранить как..."));
    EXPECT_EQ(viewer->SaveAsAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(viewer->CloseAction->text(), QString::fromUtf8("Закрыть"));
    EXPECT_EQ(viewer->CloseAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
    EXPECT_EQ(viewer->size(), QSize(474, 390));
    EXPECT_TRUE(viewer->RichEdit->isReadOnly());
    EXPECT_TRUE(viewer->windowFlags() & Qt::WindowStaysOnTopHint);
    delete viewer;
}

TEST_F(TextViewerTest, AMissingPageIsReportedAndTheViewerStaysOpenAndEmpty) {
    TFormText* viewer = OpenPageViewer(QStringLiteral("\\other\\ses\\s99.rtf"));
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->RichEdit->toPlainText().isEmpty());
    EXPECT_TRUE(viewer->LastError().contains(QStringLiteral("s99.rtf")));
    delete viewer;
}

TEST_F(TextViewerTest, MalformedRtfShowsWhatCouldBeRead) {
    QFile file(QDir(folder_.path()).filePath(QStringLiteral("other/broken.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1\\ansi\\ansicpg1251 {\\b \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2} \\unknownword {{{");
    file.close();
    TFormText* viewer = OpenPageViewer(QStringLiteral("\\other\\broken.rtf"));
    EXPECT_TRUE(viewer->LastError().isEmpty());
    EXPECT_TRUE(viewer->RichEdit->toPlainText().contains(QString::fromUtf8("Привет")));
    delete viewer;
}

TEST_F(TextViewerTest, SaveAsWritesTheShownTextAsRtf) {
    WritePage(QStringLiteral("other/stars.rtf"), "Звезда 9", "Пурпурная звезда.");
    TFormText* viewer = OpenPageViewer(QStringLiteral("\\other\\stars.rtf"));
    const QString target = QDir(folder_.path()).filePath(QStringLiteral("copy.rtf"));
    ASSERT_TRUE(viewer->SaveAsRtf(target));
    QFile saved(target);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const RichDocument back = ReadRtf(saved.readAll().toStdString());
    EXPECT_TRUE(SameDocument(back, RichDocumentOf(*viewer->RichEdit->document())))
        << DescribeDocument(back);

    // A folder that does not exist: an error, and no file.
    const QString nowhere = QDir(folder_.path()).filePath(QStringLiteral("no/such/x.rtf"));
    EXPECT_FALSE(viewer->SaveAsRtf(nowhere));
    EXPECT_FALSE(viewer->LastError().isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
    delete viewer;
}

}  // namespace
