// SPDX-License-Identifier: GPL-3.0-or-later
// Every export rendered to a temporary file and read back with the tools a user would open it
// with: the PDFs by poppler (page count, text, the first page as a picture), the PNGs by size and
// by the colours they hold.
#include "widgets/print_export.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <cerrno>
#include <memory>

#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "geomancy/ui/table_chart_sheet.h"
#include "geomancy/ui/table_chart_widget.h"
#include "interpretation/table_report.h"
#include "interpretation/ui/client_document.h"
#include "interpretation/ui/report_window.h"
#include "interpretation/ui/table_report_window.h"
#include "person/ui/people_window.h"
#include "reference/ui/circle_window.h"
#include "support/file_dialog_recorder.h"
#include "support/geomantic_tables.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "text/whole_file.h"
#include "widgets/picker_moment.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/text_viewer_window.h"
#include "widgets/up_down_edit.h"

namespace {

class PrintExportTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            GTEST_SKIP() << "poppler-utils are not installed (scripts/install-deps.sh)";
    }

    QString Path(const char* name) const { return dir_.filePath(U(name)); }

    static QString Run(const QString& program, const QStringList& arguments) {
        QProcess p;
        p.start(program, arguments);
        p.waitForFinished(30000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    static int PageCount(const QString& pdf) {
        const QString info = Run(QStringLiteral("pdfinfo"), {pdf});
        for (const QString& line : info.split(QLatin1Char('\n')))
            if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
        return 0;
    }
    static QString PdfText(const QString& pdf, int page = 0) {
        QStringList args;
        if (page > 0) args << "-f" << QString::number(page) << "-l" << QString::number(page);
        return Run(QStringLiteral("pdftotext"), args << pdf << QStringLiteral("-"));
    }
    // The page as a picture of 50 pixels per inch.
    QImage PageImage(const QString& pdf, int page) const {
        const QString stem = dir_.filePath(QStringLiteral("page"));
        Run(QStringLiteral("pdftoppm"), {"-png", "-r", "50", "-f", QString::number(page), "-l",
                                         QString::number(page), "-singlefile", pdf, stem});
        return QImage(stem + QStringLiteral(".png"));
    }
    static int DistinctColours(const QImage& image) {
        QSet<QRgb> colours;
        const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < rgb.height(); ++y)
            for (int x = 0; x < rgb.width(); ++x) colours.insert(rgb.pixel(x, y));
        return colours.size();
    }
    static double InkShare(const QImage& image, const QRect& r) {
        int ink = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (qGray(image.pixel(x, y)) < 200) ++ink;
        return double(ink) / (r.width() * r.height());
    }

    QTemporaryDir dir_;
    FileDialogRecorder dialogs_;
};

TEST_F(PrintExportTest, AReportGoesToPdfWithItsHeadingHeaderAndPageNumbers) {
    std::unique_ptr<TFormFHInter> w(
        OpenTableReport(NorthPeriod8Table(), U("Внутренний знак жилища")));
    EXPECT_EQ(w->PrintCommands.print->text(), U("Печать..."));
    EXPECT_EQ(w->PrintCommands.preview->text(), U("Предварительный просмотр"));

    // Through the command, as the user does it: the dialog proposes the caption as the name.
    dialogs_.saveAnswer = Path("report.pdf");
    w->PrintCommands.pdf->trigger();
    ASSERT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_EQ(dialogs_.requests[0].filter, QStringLiteral("(*.pdf)"));
    EXPECT_EQ(dialogs_.requests[0].proposedName, U("Интерпретация Внутренний знак жилища"));

    const int pages = PageCount(dialogs_.saveAnswer);
    ASSERT_GT(pages, 1);
    const QString text = PdfText(dialogs_.saveAnswer);
    EXPECT_TRUE(text.contains(U("ИНТЕРПРЕТАЦИЯ ЗНАКА"))) << text.left(400).toStdString();
    EXPECT_TRUE(text.contains(U("Азимут: 0 | Дата строительства или переезда: 01.06.2004")));
    EXPECT_TRUE(text.contains(U("Страница 1 из %1").arg(pages)));
    EXPECT_TRUE(PdfText(dialogs_.saveAnswer, pages).contains(U("Страница %1 из %1").arg(pages)));
    // A paragraph of the report, its words in order across the line breaks of the page.
    const QString body = text.simplified();
    const QString last =
        QString::fromStdString(CalcRich(NorthPeriod8Table(), QLocale()).Paragraphs().back().text)
            .simplified();
    EXPECT_TRUE(body.contains(last.left(30))) << last.toStdString();
}

TEST_F(PrintExportTest, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft) {
    QTextDocument text(U("Текст"));
    const PrintDocument document{U("Заголовок"), {}, CopyOfText(text)};
    const QString blocked = Path("missing/report.pdf");
    const QString refused = WritePdfFile(document, blocked);
    EXPECT_TRUE(refused.contains(U("не сохранен"))) << refused.toStdString();
    EXPECT_FALSE(QFile::exists(blocked));

    // An existing file is replaced whole: a new PDF, not appended to the old bytes.
    const QString path = Path("old.pdf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old content");
    }
    EXPECT_EQ(WritePdfFile(document, path), QString());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().startsWith("%PDF"));
}

// "Печать в файл (PDF)" goes through the checked writer: on a full disk the old PDF stays whole
// and the failure is said; otherwise the file is a PDF.
TEST_F(PrintExportTest, PrintingToAPdfFileKeepsTheOldFileOnAFullDisk) {
    QTextDocument text(U("Текст"));
    const PrintDocument document{U("Заголовок"), {}, CopyOfText(text)};
    const QString path = Path("printed.pdf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("%PDF old");
    }
    QWidget parent;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    {
        const ScopedSaveFault full(ENOSPC);
        PrintChosen(&parent, printer, document);
    }
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("%PDF old"));
    old.close();
    const QList<QMessageBox*> boxes = parent.findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0]->text().contains(U("Диск заполнен"))) << boxes[0]->text().toStdString();

    PrintChosen(&parent, printer, document);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QByteArray bytes = old.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-")) << bytes.left(20).toStdString();
    EXPECT_GT(bytes.size(), 1000);
}

class TableExportTest : public PrintExportTest {
protected:
    std::unique_ptr<TFormFh> ComputedWindow() {
        moment_ = ComputeMomentCalendar(TestNow(), TimeSettings()).moment;
        auto w = std::make_unique<TFormFh>(
            TableWindowSources{[this] { return moment_; }, [] { return 3.0f; }});
        w->show();
        w->Azimuth->EditAz->setText(QStringLiteral("200"));
        w->DateTable->setDateTime(DateTimeOfMoment(EncodeMoment(2004, 6, 1)));
        w->Raschet();
        return w;
    }
    CurrentMoment moment_;
};

TEST_F(TableExportTest, TheChartPictureIsTwiceTheSheetAndDrawnInColour) {
    auto w = ComputedWindow();
    EXPECT_TRUE(w->ChartExport.image->isEnabled());
    const Picture sheet = TableChartSheet(*w);
    dialogs_.saveAnswer = Path("chart.png");
    w->ChartExport.image->trigger();
    const QImage image(dialogs_.saveAnswer);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), sheet.size * 2);
    // Star digits in their phase colours, the Killings bars, the legend: many colours, not a blank.
    EXPECT_GT(DistinctColours(image), 20);
    // The palace buttons belong to the screen; they are back after the picture.
    EXPECT_FALSE(w->Chart->PalaceButton(0)->isHidden());
    image.save(QStringLiteral("/tmp/gavrosin_table_chart.png"));
}

TEST_F(TableExportTest, TheClientDocumentIsTheChartPageThenTheInterpretation) {
    auto w = ComputedWindow();
    const PrintDocument document = TableClientDocument(w->Table(), w->windowTitle(),
                                                       TableSheetHeader(*w), TableChartSheet(*w));
    const QString pdf = Path("client.pdf");
    ASSERT_EQ(WritePdfFile(document, pdf), QString());
    ASSERT_GE(PageCount(pdf), 3);
    const QString first = PdfText(pdf, 1);
    EXPECT_TRUE(first.contains(U("Азимут: 200"))) << first.toStdString();
    EXPECT_TRUE(first.contains(U("Расцвет (Ван)")));  // the legend
    EXPECT_TRUE(PdfText(pdf, 2).contains(U("ИНТЕРПРЕТАЦИЯ ЗНАКА")));

    // The grid stands in the upper part of the first page, under the heading lines.
    const QImage page = PageImage(pdf, 1);
    ASSERT_FALSE(page.isNull());
    const QRect grid(page.width() / 8, page.height() / 8, page.width() / 3, page.height() / 5);
    EXPECT_GT(InkShare(page, grid), 0.03);
    page.save(QStringLiteral("/tmp/gavrosin_client_page1.png"));
}

TEST_F(PrintExportTest, APersonsChartCopiesAsTextAndLeavesAsAClientDocument) {
    PillarGlyphs glyphs;
    PeopleHost host;
    host.timeSettings = [] { return TimeSettings::WithZoneIndex(16); };
    host.calendarYear = [] { return 2024; };
    TFormPeople w(glyphs, host);
    w.show();
    w.EditNamePeople->setText(U("Иван"));
    w.MyDate->setDateTime(DateTimeOfMoment(EncodeMoment(1980, 3, 10, 8, 30)));
    w.MyTime->setTime(QTime(8, 30));
    w.RadioButtonM->setChecked(true);
    w.Raschet();

    // The running luck pillar is the one whose years hold the main window's year.
    const int current = w.CurrentLuckPillar();
    ASSERT_GE(current, 1);
    const QString years = w.LuckYears[current - 1]->text().remove(QLatin1Char('\n'));
    const QStringList span = years.split(QChar(0x2013));
    ASSERT_EQ(span.size(), 2) << years.toStdString();
    EXPECT_LE(span[0].toInt(), 2024);
    EXPECT_GE(span[1].toInt(), 2024);
    EXPECT_EQ(span[1].toInt() - span[0].toInt(), 9);

    w.ActionCopy->trigger();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_TRUE(copied.startsWith(U("Файл: Иван\n")));
    EXPECT_TRUE(copied.contains(U("Столпы удачи:")));
    EXPECT_TRUE(copied.contains(
        U("%1. с %2 лет (%3): ").arg(current).arg(w.LuckAge[current - 1]->text(), years)));
    EXPECT_EQ(copied.count(U("— текущий (2024)")), 1) << copied.toStdString();

    dialogs_.saveAnswer = Path("chart.png");
    w.ChartExport.image->trigger();
    const QImage picture(dialogs_.saveAnswer);
    EXPECT_GT(picture.width(), 2 * 500);  // twice the chart's width on the screen
    EXPECT_GT(DistinctColours(picture), 8);
    picture.save(QStringLiteral("/tmp/gavrosin_person_chart.png"));

    dialogs_.saveAnswer = Path("person.pdf");
    w.ActionClientReport->trigger();
    ASSERT_GE(PageCount(dialogs_.saveAnswer), 3);
    const QString text = PdfText(dialogs_.saveAnswer);
    EXPECT_TRUE(PdfText(dialogs_.saveAnswer, 2).contains(U("Имя: Иван")));
    EXPECT_TRUE(text.contains(U("Восемь основ")));
    EXPECT_TRUE(text.contains(U("2024")));
}

TEST_F(PrintExportTest, AViewerPageGoesToPdf) {
    SetPagePath(QStringLiteral("\\other\\ses\\s1.rtf"));
    TFormText viewer;
    viewer.show();
    ASSERT_TRUE(viewer.LastError().isEmpty()) << viewer.LastError().toStdString();
    dialogs_.saveAnswer = Path("page.pdf");
    viewer.PrintCommands.pdf->trigger();
    EXPECT_GE(PageCount(dialogs_.saveAnswer), 1);
    const QString first = viewer.RichEdit->document()->firstBlock().text().simplified();
    EXPECT_TRUE(PdfText(dialogs_.saveAnswer).simplified().contains(first.left(20)))
        << first.toStdString();
    EXPECT_TRUE(PdfText(dialogs_.saveAnswer).contains(U("Инфо — \\other\\ses\\s1.rtf")));
}

}  // namespace

namespace {

TEST_F(PrintExportTest, TheToolWindowsOfferTheirPictures) {
    TFormCircle circle;
    circle.show();
    ASSERT_TRUE(circle.PictureLoaded()) << circle.PictureError().toStdString();
    EXPECT_EQ(circle.contextMenuPolicy(), Qt::ActionsContextMenu);
    dialogs_.saveAnswer = Path("circle.png");
    circle.PictureExport.image->trigger();
    const QImage image(dialogs_.saveAnswer);
    EXPECT_EQ(image.size(), circle.size() * 2);
    EXPECT_GT(DistinctColours(image), 8);

    dialogs_.saveAnswer = Path("circle.pdf");
    circle.PictureExport.pdf->trigger();
    EXPECT_EQ(PageCount(dialogs_.saveAnswer), 1);
    EXPECT_TRUE(PdfText(dialogs_.saveAnswer).contains(U("Круг эклиптики")));
}

}  // namespace
