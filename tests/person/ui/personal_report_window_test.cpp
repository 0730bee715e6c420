// SPDX-License-Identifier: GPL-3.0-or-later
// What the person window makes of a chart: the text report file, the birth star descriptions and
// the forecast for the year (menu items and link), each available exactly while its rule says.
#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimeEdit>

#include "app/settings_window.h"
#include "astro/moment.h"
#include "interpretation/ui/report_window.h"
#include "person/chart_details_report.h"
#include "person/chinese_characters.h"
#include "person/person_file.h"
#include "person/personal_report.h"
#include "person/ui/people_window.h"
#include "person/ui/person_entry.h"
#include "reference/ui/calendar_window.h"
#include "support/file_dialog_recorder.h"
#include "support/save_question_recorder.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "text/cp1251.h"
#include "widgets/picker_moment.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/program_folder.h"
#include "widgets/save_changes_question.h"
#include "widgets/text_viewer_window.h"
#include "widgets/window_cascade.h"

namespace {

class PersonalReportWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(files_.isValid());
        CascadeOffset().Reset();
        glyphs_ = std::make_unique<PillarGlyphs>();
    }

    // A window under Moscow settings whose main window shows a date of 2024.
    std::unique_ptr<TFormPeople> MakeWindow() {
        PeopleHost host;
        host.timeSettings = [] { return TimeSettings::WithZoneIndex(16); };
        host.calendarYear = [this] { return calendarYear_; };
        auto w = std::make_unique<TFormPeople>(*glyphs_, host);
        w->show();
        return w;
    }

    static void Calculate(TFormPeople& w, const char* name, Moment birth, bool male) {
        EnterPerson(w, name, birth, male);
        w.Raschet();
    }

    QString Path(const char* name) const { return files_.filePath(U(name)); }

    static QList<TFormText*> Viewers(const TFormPeople& w) { return w.findChildren<TFormText*>(); }
    static QList<TFormFHInter*> Reports(const TFormPeople& w) {
        return w.findChildren<TFormFHInter*>();
    }
    static QByteArray Bytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    SaveQuestionRecorder asked_{SaveChangesAnswer::Discard};
    QTemporaryDir files_;
    std::unique_ptr<PillarGlyphs> glyphs_;
    FileDialogRecorder dialogs_;
    int calendarYear_ = 2024;
};

TEST_F(PersonalReportWindowTest, TheCommandsFollowTheChart) {
    auto w = MakeWindow();
    const auto enabled = [&] {
        return std::vector<bool>{w->ActionSaveText->isEnabled(), w->ActionForecast->isEnabled(),
                                 w->PopupForecast->isEnabled(),
                                 w->MenuBirthStars->menuAction()->isEnabled()};
    };
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false}));

    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, true}));

    // An edit: the report and the forecast wait for the next calculation, the star texts do not.
    w->EditNamePeople->setText(U("Иван Петрович"));
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, true}));
    w->Raschet();
    EXPECT_EQ(enabled(), (std::vector<bool>{true, true, true, true}));

    w->ClearClick();
    EXPECT_EQ(enabled(), (std::vector<bool>{false, false, false, false}));
}

TEST_F(PersonalReportWindowTest, TheTextReportIsWrittenAsTheWindowShowsIt) {
    auto w = MakeWindow();
    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    const bool modified = w->Modified();
    dialogs_.saveAnswer = Path("ivan.txt");
    w->ActionSaveText->trigger();

    ASSERT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_EQ(dialogs_.requests[0].kind, FileDialogKind::Save);
    EXPECT_EQ(dialogs_.requests[0].filter, U("(*.txt)"));
    EXPECT_EQ(dialogs_.requests[0].defaultSuffix, U("txt"));
    EXPECT_EQ(dialogs_.requests[0].proposedName, U("Иван"));  // the caption: the person's name

    // The report, then the full chart with its characters spelled: Windows-1251 has every letter.
    std::string expected;
    for (const std::string& line : FullPersonalReportLines("Иван", *w->Calculation()))
        expected += InSyllables(line) + "\r\n";
    EXPECT_EQ(Bytes(dialogs_.saveAnswer).toStdString(), Utf8ToCp1251(expected));
    EXPECT_EQ(Cp1251ToUtf8(Utf8ToCp1251(expected)), expected);
    EXPECT_NE(expected.find("\r\nДворец жизни: "), std::string::npos);
    EXPECT_TRUE(expected.rfind("Файл: Иван\r\n\r\nИмя: Иван\r\n", 0) == 0) << expected;
    // The labels of the window are in it, word for word.
    for (const QLabel* label : {w->PSYear, w->LabelYearStar, w->LabelHourStar, w->LabelDayStem}) {
        EXPECT_NE(expected.find(label->text().toStdString()), std::string::npos)
            << label->text().toStdString();
    }
    // Writing the report does not save the person.
    EXPECT_EQ(w->Modified(), modified);
    EXPECT_FALSE(w->FileBound());
}

TEST_F(PersonalReportWindowTest, ACancelledDialogWritesNothing) {
    auto w = MakeWindow();
    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    dialogs_.saveAnswer.clear();
    w->SaveTextClick();
    EXPECT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_TRUE(QDir(files_.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(w->findChildren<QMessageBox*>().isEmpty());
}

TEST_F(PersonalReportWindowTest, AFailedWriteIsReported) {
    auto w = MakeWindow();
    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    dialogs_.saveAnswer = Path("no such folder/ivan.txt");
    w->SaveTextClick();
    const auto boxes = w->findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes.back()->text().contains(dialogs_.saveAnswer))
        << boxes.back()->text().toStdString();
    EXPECT_FALSE(QFile::exists(dialogs_.saveAnswer));
    EXPECT_TRUE(w->ChartIsCurrent());
}

TEST_F(PersonalReportWindowTest, TheReportOfAnUnnamedPersonIsNotProposedOverItsFile) {
    auto w = MakeWindow();
    Person olga;
    olga.birth = EncodeMoment(1990, 3, 15, 23, 30);
    olga.zoneIndex = 16;
    SavePersonFile(Path("olga.gvp").toStdString(), olga, ',');
    ASSERT_TRUE(w->LoadFile(Path("olga.gvp")));
    EXPECT_EQ(w->windowTitle(), U("olga.gvp"));
    dialogs_.saveAnswer.clear();
    w->SaveTextClick();
    ASSERT_EQ(dialogs_.requests.size(), 1u);
    EXPECT_EQ(dialogs_.requests[0].proposedName, U("olga.txt"));
}

TEST_F(PersonalReportWindowTest, EachBirthStarOpensItsDescription) {
    struct Case {
        const char* name;
        Moment birth;
        bool male;
    };
    // Born in the month Мао of 2004: a man's year star 5 and month star 1; a woman's 1 and 5.
    const Case cases[] = {
        {"man", EncodeMoment(2004, 3, 20, 12, 0), true},
        {"woman", EncodeMoment(2004, 3, 20, 12, 0), false},
    };
    for (const Case& c : cases) {
        auto w = MakeWindow();
        Calculate(*w, "", c.birth, c.male);
        const PersonChart& chart = w->Calculation()->chart;
        ASSERT_EQ(chart.yearStar, c.male ? 5 : 1) << c.name;
        ASSERT_EQ(chart.monthStar, c.male ? 1 : 5) << c.name;
        const std::array<BirthStar, 6> stars{BirthStar::GreatCycle, BirthStar::SmallCycle,
                                             BirthStar::Year,       BirthStar::Month,
                                             BirthStar::Day,        BirthStar::Hour};
        for (BirthStar star : stars) {
            w->ActionBirthStars[static_cast<std::size_t>(star)]->trigger();
            const auto viewers = Viewers(*w);
            ASSERT_FALSE(viewers.isEmpty());
            const TFormText* viewer = viewers.back();
            EXPECT_EQ(viewer->Page().toStdString(),
                      BirthStarPagePath(BirthStarNumber(chart, star), c.male))
                << c.name;
            EXPECT_EQ(viewer->windowTitle(), U("Инфо"));
            EXPECT_TRUE(viewer->LastError().isEmpty()) << viewer->LastError().toStdString();
        }
        // Every request opens one more window.
        EXPECT_EQ(Viewers(*w).size(), 6);
        const QString year = Viewers(*w)[2]->Page();
        const QString month = Viewers(*w)[3]->Page();
        EXPECT_EQ(year, c.male ? U("\\other\\people\\s5.rtf") : U("\\other\\people\\s1f.rtf"));
        EXPECT_EQ(month, c.male ? U("\\other\\people\\s1.rtf") : U("\\other\\people\\s5f.rtf"));
    }
}

TEST_F(PersonalReportWindowTest, TheYearStarLabelOpensTheDisplayedStar) {
    auto w = MakeWindow();
    emit static_cast<PillarLink*>(w->LabelYearStar)->clicked();
    EXPECT_TRUE(Viewers(*w).isEmpty());  // no chart yet

    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);  // year star 5, Gua 2
    emit static_cast<PillarLink*>(w->LabelYearStar)->clicked();
    ASSERT_EQ(Viewers(*w).size(), 1);
    EXPECT_EQ(Viewers(*w)[0]->Page(), U("\\other\\people\\s5.rtf"));
}

TEST_F(PersonalReportWindowTest, AMissingStarTextIsReportedByItsViewerAlone) {
    auto w = MakeWindow();
    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    SetProgramFolder(files_.path());  // a folder without the pages
    w->ActionBirthStars[static_cast<std::size_t>(BirthStar::Year)]->trigger();
    ASSERT_EQ(Viewers(*w).size(), 1);
    EXPECT_FALSE(Viewers(*w)[0]->LastError().isEmpty());
    EXPECT_TRUE(w->ResultsShown());
    EXPECT_TRUE(w->ChartIsCurrent());
}

TEST_F(PersonalReportWindowTest, TheForecastOpensInANewReportWindow) {
    auto w = MakeWindow();
    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    SetReportMode(ReportMode::TableInterpretation);
    w->ActionForecast->trigger();
    w->PopupForecast->trigger();
    const auto reports = Reports(*w);
    ASSERT_EQ(reports.size(), 2);
    const TFormFHInter* report = reports[0];
    EXPECT_EQ(report->Mode(), ReportMode::PersonalForecast);
    EXPECT_EQ(report->windowTitle(), U("Прогноз на 2024 год"));
    EXPECT_TRUE(report->StatusPanel->text().isEmpty());
    EXPECT_TRUE(report->LastError().isEmpty()) << report->LastError().toStdString();
    EXPECT_TRUE(report->RichEdit1->isVisible());
    // Two windows, the second further down the cascade.
    EXPECT_EQ(reports[1]->pos() - reports[0]->pos(), QPoint(20, 20));

    const QTextDocument& doc = *report->RichEdit1->document();
    EXPECT_TRUE(doc.begin().text().isEmpty());  // the empty first paragraph
    EXPECT_EQ(doc.begin().next().text(), U("Прогноз на 2024 год (с 04.02.2024 по 03.02.2025)"));
    const QString text = doc.toPlainText();
    EXPECT_TRUE(
        text.contains(U("Звезда года: 3 бирюзовая (Дерево-ян) / 3 бирюзовая (Дерево-инь)")));
    EXPECT_TRUE(text.contains(U("Имя: Иван")));
    EXPECT_TRUE(text.contains(U("Характеристики для периода с 05.01.2025 по 03.02.2025")));
    // The texts of the data folder: the general characteristic of star 5 among them.
    EXPECT_TRUE(text.contains(U("Общая характеристика личности по звезде года рождения:")));
    EXPECT_GT(doc.blockCount(), 150);
}

TEST_F(PersonalReportWindowTest, TheForecastLinkSpeaksForTheChartOnDisplay) {
    auto w = MakeWindow();
    emit w->LabelForecast->clicked();
    EXPECT_TRUE(Reports(*w).isEmpty());  // nothing to forecast yet

    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    // After an edit the menu items wait, the link still opens the forecast of the chart shown.
    w->EditNamePeople->setText(U("Пётр"));
    w->RadioButtonF->setChecked(true);
    w->ActionForecast->trigger();
    EXPECT_TRUE(Reports(*w).isEmpty());
    // The forecast has a year of its own, the clock's at first: the main window's date leaves it.
    EXPECT_EQ(w->ForecastYearBox->value(), 2024);
    calendarYear_ = 1955;
    w->ShowCalendarYear();
    EXPECT_EQ(w->LabelForecast->text(), U("Прогноз на 2024 год по звезде года рождения"));
    w->ForecastYearBox->setValue(2031);
    EXPECT_EQ(w->ActionForecast->text(), U("Прогноз на 2031 год"));
    emit w->LabelForecast->clicked();
    ASSERT_EQ(Reports(*w).size(), 1);
    const TFormFHInter* report = Reports(*w)[0];
    EXPECT_EQ(report->windowTitle(), U("Прогноз на 2031 год"));
    const QString text = report->RichEdit1->document()->toPlainText();
    EXPECT_TRUE(text.contains(U("Имя: Иван")));
    EXPECT_TRUE(text.contains(U("Мужчина.")));

    // A clear takes the chart away: the link answers no more.
    w->ClearClick();
    emit w->LabelForecast->clicked();
    EXPECT_EQ(Reports(*w).size(), 1);
}

TEST_F(PersonalReportWindowTest, AMissingForecastTextShowsTheErrorAndNoReport) {
    auto w = MakeWindow();
    Calculate(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    // A data folder with the general characteristic only.
    ASSERT_TRUE(QDir(files_.path()).mkpath(QStringLiteral("other/goro")));
    QFile::copy(QStringLiteral(GAVROSIN_BINARY_DIR "/other/goro/s5.txt"),
                Path("other/goro/s5.txt"));
    SetProgramFolder(files_.path());
    w->ActionForecast->trigger();
    ASSERT_EQ(Reports(*w).size(), 1);
    const TFormFHInter* report = Reports(*w)[0];
    EXPECT_EQ(report->windowTitle(), U("Прогноз на 2024 год"));
    EXPECT_TRUE(report->LastError().contains(U("3-5.txt"))) << report->LastError().toStdString();
    EXPECT_FALSE(report->RichEdit1->isVisible());
    const auto boxes = report->findChildren<QMessageBox*>();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0]->text(), report->LastError());
    // The person window is untouched.
    EXPECT_TRUE(w->ChartIsCurrent());
}

}  // namespace
