// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/ui/report_window.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <memory>

#include "interpretation/table_report.h"
#include "interpretation/ui/table_report_window.h"
#include "support/file_dialog_recorder.h"
#include "support/geomantic_tables.h"
#include "support/shell_test.h"
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"
#include "widgets/rich_text_document.h"
#include "widgets/window_cascade.h"

namespace {

class ReportWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(folder_.isValid());
        CascadeOffset().Reset();
        SetReportMode(ReportMode::TableInterpretation);
    }

    QString Path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    std::unique_ptr<TFormFHInter> OpenReport(
        const QString& caption = QString::fromUtf8("Внутренний знак жилища")) {
        return std::unique_ptr<TFormFHInter>(OpenTableReport(NorthPeriod8Table(), caption));
    }

    QTemporaryDir folder_;
    FileDialogRecorder dialogs_;
};

RichDocument Shown(const TFormFHInter& w) {
    return RichDocumentOf(*w.RichEdit1->document());
}

TEST_F(ReportWindowTest, ATableReportWithItsCaptionStatusAndText) {
    auto w = OpenReport();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->Mode(), ReportMode::TableInterpretation);
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8("Интерпретация: Внутренний знак жилища"));
    EXPECT_EQ(w->StatusPanel->text(),
              QString::fromUtf8("Азимут: 0 | Дата строительства или переезда: 01.06.2004 | "
                                "Расчет на: 01.06.2024"));
    EXPECT_TRUE(w->RichEdit1->isVisible());
    EXPECT_TRUE(w->LastError().isEmpty());

    // Exactly the report of the table, the empty first paragraph included.
    const RichDocument shown = Shown(*w);
    RichDocument expected = ToRichDocument(CalcRich(NorthPeriod8Table(), kRussian));
    for (RichParagraph& p : expected) p.indents = {120, 0, 60};  // first line 6 pt, right 3 pt
    EXPECT_TRUE(SameDocument(shown, expected)) << DescribeDocument(shown);
    ASSERT_GT(shown.size(), 2u);
    EXPECT_TRUE(shown[0].runs.empty());
    const TextStyle& title = shown[1].runs.at(0).style;
    EXPECT_EQ(shown[1].runs[0].text, "ИНТЕРПРЕТАЦИЯ ЗНАКА");
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.pointSize, 12);
    EXPECT_EQ(title.colour, 0x008000u);

    // Indents of every paragraph: first line 6 pt, left 0, right 3 pt (at 96 pixels per inch).
    for (QTextBlock b = w->RichEdit1->document()->begin(); b.isValid(); b = b.next()) {
        EXPECT_DOUBLE_EQ(b.blockFormat().textIndent(), 8.0);
        EXPECT_DOUBLE_EQ(b.blockFormat().leftMargin(), 0.0);
        EXPECT_DOUBLE_EQ(b.blockFormat().rightMargin(), 4.0);
    }
}

TEST_F(ReportWindowTest, TheStatusLineOfAThreeDigitAzimuthIsSeenWhole) {
    const GeomanticTable table = ComputedTable(358, EncodeMoment(2004, 12, 28, 12, 0, 0),
                                               EncodeMoment(2024, 12, 28, 12, 0, 0));
    std::unique_ptr<TFormFHInter> w(OpenTableReport(table, QStringLiteral("house.gvt")));
    QCoreApplication::processEvents();
    const QString status = w->StatusPanel->text();
    ASSERT_TRUE(status.startsWith(QString::fromUtf8("Азимут: 358 | "))) << status.toStdString();
    // At the window's first size, to the last digit of the calculation date.
    const QRect panel(w->StatusPanel->mapTo(w.get(), QPoint()), w->StatusPanel->size());
    EXPECT_GE(w->StatusPanel->contentsRect().width(),
              w->StatusPanel->fontMetrics().horizontalAdvance(status));
    EXPECT_LE(panel.right(), w->width());
}

TEST_F(ReportWindowTest, TheWindowItsMenuAndItsReportArea) {
    TFormFHInter w([] { return ReportContent(); });
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Интерпретация геомантической таблицы"));
    EXPECT_EQ(w.size(), QSize(548, 373));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(w.palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(w.OpenAction->text(), QString::fromUtf8("Открыть"));
    EXPECT_EQ(w.OpenAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    EXPECT_EQ(w.SaveAsAction->text(), QString::fromUtf8("Сохранить как..."));
    EXPECT_EQ(w.SaveAsAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(w.CloseAction->text(), QString::fromUtf8("Закрыть"));
    EXPECT_EQ(w.CloseAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+W")));
    EXPECT_TRUE(w.RichEdit1->isReadOnly());
    EXPECT_EQ(w.RichEdit1->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(w.RichEdit1->font().pixelSize(), 13);
    EXPECT_EQ(w.RichEdit1->font().family(), QStringLiteral("MS Sans Serif"));
}

TEST_F(ReportWindowTest, FiveReportsCascadeFromTheirFirstPlace) {
    const int screen = QGuiApplication::primaryScreen()->geometry().height();
    std::vector<std::unique_ptr<TFormFHInter>> windows;
    for (int i = 0; i < 6; ++i) windows.push_back(OpenReport());
    std::vector<QPoint> expected;
    if (screen >= 113 + 100 + 373 + 50) {
        expected = {{17, 113}, {37, 133}, {57, 153}, {77, 173}, {97, 193}, {117, 213}};
    } else if (screen == 600) {
        // The top may not pass 600 − 373 − 50 = 177: the fifth starts again, the sixth follows.
        expected = {{17, 113}, {37, 133}, {57, 153}, {77, 173}, {17, 113}, {37, 133}};
    } else {
        GTEST_SKIP() << "screen height " << screen;
    }
    for (std::size_t i = 0; i < windows.size(); ++i) EXPECT_EQ(windows[i]->pos(), expected[i]) << i;
}

TEST_F(ReportWindowTest, SavingAndReopeningGivesTheSameFormattedText) {
    auto w = OpenReport();
    dialogs_.AnswerAll(Path(QStringLiteral("report.rtf")));
    w->SaveAsAction->trigger();
    ASSERT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_EQ(dialogs_.requests[0].kind, FileDialogKind::Save);
    EXPECT_EQ(dialogs_.requests[0].filter, QStringLiteral("(*.rtf)"));
    EXPECT_EQ(dialogs_.requests[0].defaultSuffix, QStringLiteral("rtf"));
    ASSERT_TRUE(QFile::exists(dialogs_.saveAnswer)) << w->LastError().toStdString();

    QFile saved(dialogs_.saveAnswer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    EXPECT_TRUE(bytes.startsWith("{\\rtf1"));
    EXPECT_TRUE(SameDocument(ReadRtf(bytes.toStdString()), Shown(*w)));
    // The paragraphs keep their indents: first line 6 pt, right 3 pt (in twips).
    EXPECT_TRUE(bytes.contains("\\fi120\\ri60 ")) << bytes.left(400).toStdString();
    EXPECT_EQ(ReadRtf(bytes.toStdString()).back().indents, (ParagraphIndents{120, 0, 60}));

    // Another report window opens the file: colours, sizes and bold come back.
    auto other = OpenReport(QStringLiteral("north.gvt"));
    other->OpenAction->trigger();
    EXPECT_EQ(dialogs_.requests.back().kind, FileDialogKind::Open);
    EXPECT_TRUE(SameDocument(Shown(*other), Shown(*w))) << DescribeDocument(Shown(*other));
}

TEST_F(ReportWindowTest, OpeningAFileReplacesTheReportAndKeepsCaptionAndStatus) {
    auto w = OpenReport(QStringLiteral("north.gvt"));
    const QString caption = w->windowTitle();
    const QString status = w->StatusPanel->text();
    RichDocument page(1);
    TextStyle red;
    red.hasColour = true;
    red.colour = 0xFF0000;
    red.pointSize = 14;
    page[0].runs = {{"Чужой текст", red}};
    const std::string rtf = WriteRtf(page);
    QFile file(Path(QStringLiteral("page.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(rtf.data(), static_cast<qint64>(rtf.size()));
    file.close();

    ASSERT_TRUE(w->OpenFile(file.fileName()));
    EXPECT_TRUE(SameDocument(Shown(*w), page)) << DescribeDocument(Shown(*w));
    EXPECT_EQ(w->windowTitle(), caption);
    EXPECT_EQ(w->StatusPanel->text(), status);
}

TEST_F(ReportWindowTest, APlainTextFileOpensAsPlainText) {
    auto w = OpenReport();
    QFile file(Path(QStringLiteral("notes.rtf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\xcf\xe5\xf0\xe2\xe0\xff\r\n\xc2\xf2\xee\xf0\xe0\xff\r\n");  // Windows-1251
    file.close();
    ASSERT_TRUE(w->OpenFile(file.fileName()));
    EXPECT_EQ(w->RichEdit1->toPlainText(), QString::fromUtf8("Первая\nВторая"));
}

TEST_F(ReportWindowTest, CancelledDialogsChangeNothing) {
    auto w = OpenReport();
    const RichDocument before = Shown(*w);
    dialogs_.AnswerAll(QString());
    w->OpenAction->trigger();
    w->SaveAsAction->trigger();
    EXPECT_EQ(dialogs_.requests.size(), 2u);
    EXPECT_TRUE(SameDocument(Shown(*w), before));
    EXPECT_TRUE(w->LastError().isEmpty());
    EXPECT_TRUE(QDir(folder_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ReportWindowTest, FileErrorsAreShownAndTheReportStays) {
    auto w = OpenReport();
    const RichDocument before = Shown(*w);

    dialogs_.saveAnswer = Path(QStringLiteral("no/such/folder/report.rtf"));
    w->SaveAsAction->trigger();
    EXPECT_TRUE(w->LastError().contains(QStringLiteral("не сохранен")))
        << w->LastError().toStdString();
    EXPECT_FALSE(QFile::exists(dialogs_.saveAnswer));

    dialogs_.openAnswer = Path(QStringLiteral("missing.rtf"));
    w->OpenAction->trigger();
    EXPECT_TRUE(w->LastError().startsWith(QStringLiteral("Не удалось открыть файл")))
        << w->LastError().toStdString();
    EXPECT_TRUE(SameDocument(Shown(*w), before));
    EXPECT_TRUE(w->RichEdit1->isVisible());
}

TEST_F(ReportWindowTest, TheReportIsASnapshotOfTheTable) {
    GeomanticTable table = NorthPeriod8Table();
    std::unique_ptr<TFormFHInter> w(OpenTableReport(table, QStringLiteral("x.gvt")));
    const RichDocument first = Shown(*w);
    table.azimuth = 180;
    table.palaces[Palace::Centre].base = 3;
    w->BuildReport();
    EXPECT_TRUE(SameDocument(Shown(*w), first));
}

TEST_F(ReportWindowTest, ASecondKindOfReportPlugsInWithItsOwnBuilder) {
    SetReportMode(ReportMode::PersonalForecast);
    TFormFHInter w([] {
        ReportContent c;
        c.caption = "Прогноз на 2024 год";
        c.document.StyleTitl();
        c.document.Append("Прогноз");
        return c;  // no status text: the panel is left as it was
    });
    w.StatusPanel->setText(QStringLiteral("as before"));
    w.show();
    EXPECT_EQ(w.Mode(), ReportMode::PersonalForecast);
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Прогноз на 2024 год"));
    EXPECT_EQ(w.StatusPanel->text(), QStringLiteral("as before"));
    EXPECT_EQ(w.RichEdit1->toPlainText(), QString::fromUtf8("\nПрогноз"));
    // The table window sets its own mode again before it opens a report.
    auto table = OpenReport();
    EXPECT_EQ(table->Mode(), ReportMode::TableInterpretation);
}

TEST_F(ReportWindowTest, AReportThatFailsToBuildIsReportedAndNotShown) {
    TFormFHInter w([] {
        ReportContent c;
        c.caption = "Прогноз на 2024 год";
        c.document.Append("прочитано до ошибки");
        c.error = "Cannot open file \"goro/s1.txt\".";
        return c;
    });
    w.show();
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Прогноз на 2024 год"));
    EXPECT_FALSE(w.RichEdit1->isVisible());
    EXPECT_TRUE(w.RichEdit1->toPlainText().isEmpty());
    EXPECT_EQ(w.LastError(), QStringLiteral("Cannot open file \"goro/s1.txt\"."));
}

}  // namespace
