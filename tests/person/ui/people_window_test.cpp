// SPDX-License-Identifier: GPL-3.0-or-later
#include "person/ui/people_window.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimeEdit>
#include <QTimeZone>
#include <QtTest/QTest>

#include "app/settings_window.h"
#include "astro/moment.h"
#include "calendar/vocabulary.h"
#include "person/person_file.h"
#include "person/ui/birth_place_row.h"
#include "person/ui/person_entry.h"
#include "reference/ui/calendar_window.h"
#include "support/file_dialog_recorder.h"
#include "support/save_question_recorder.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "text/cp1251.h"
#include "widgets/picker_moment.h"
#include "widgets/pillar_glyphs.h"
#include "widgets/save_changes_question.h"

namespace {

class PeopleWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(files_.isValid());
        glyphs_ = std::make_unique<PillarGlyphs>();
    }

    // A window with the settings "(GMT +08:00)", summer 1, longitude 104 and its switch on, whose
    // file dialogs answer from `dialogs_`.
    std::unique_ptr<TFormPeople> MakeWindow() {
        PeopleHost host;
        host.timeSettings = [] { return TimeSettings::WithZoneIndex(25, 1, 104, true); };
        host.showInCalendar = [this](Moment m) { shownInCalendar_.push_back(m); };
        return std::make_unique<TFormPeople>(*glyphs_, host);
    }

    std::vector<FileDialogRequest> Saves() const { return dialogs_.Of(FileDialogKind::Save); }

    QString Path(const char* name) const { return files_.filePath(U(name)); }

    static void WriteFile(const QString& path, const std::string& utf8) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::string bytes = Utf8ToCp1251(utf8);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    static int ErrorBoxes(const TFormPeople& w, QString* text = nullptr) {
        const auto boxes = w.findChildren<QMessageBox*>();
        if (text && !boxes.isEmpty()) *text = boxes.back()->text();
        return static_cast<int>(boxes.size());
    }

    QTemporaryDir files_;
    std::unique_ptr<PillarGlyphs> glyphs_;
    SaveQuestionRecorder asked_;
    FileDialogRecorder dialogs_;
    std::vector<Moment> shownInCalendar_;
};

TEST_F(PeopleWindowTest, AFreshWindowHoldsANewPersonOfTheSettings) {
    auto w = MakeWindow();
    EXPECT_EQ(w->windowTitle(), U("Персональный гороскоп"));
    EXPECT_TRUE(w->windowFlags() & Qt::Tool);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
    // As wide as the luck pillars' columns need, and resizable: its layers scroll.
    EXPECT_GE(w->width(), 630);
    EXPECT_EQ(w->height(), 520);
    EXPECT_LT(w->minimumHeight(), w->maximumHeight());

    EXPECT_EQ(w->EditNamePeople->text(), QString());
    EXPECT_EQ(MomentOfDateTime(w->MyDate->dateTime()), TestNow());
    EXPECT_EQ(w->MyTime->time(), QTime(12, 0));
    EXPECT_TRUE(w->RadioButtonF->isChecked());
    EXPECT_EQ(w->ComboGMT->count(), 32);
    EXPECT_EQ(w->ComboGMT->currentText(), U("(GMT +08:00)"));
    EXPECT_EQ(w->EditLetnee->value(), 1);
    EXPECT_TRUE(w->CheckBoxDolgota->isChecked());
    EXPECT_EQ(w->EditDolgota->value(), 104);
    EXPECT_TRUE(w->EditDolgota->isEnabled());
    EXPECT_FALSE(w->Sinxron->isChecked());
    EXPECT_FALSE(w->Modified());
    EXPECT_FALSE(w->FileBound());
    EXPECT_FALSE(w->ResultsShown());
    EXPECT_FALSE(w->Calculation().has_value());
    EXPECT_FALSE(w->ChartIsCurrent());
    EXPECT_FALSE(w->BirthStarsAvailable());

    // Captions as the user sees them.
    EXPECT_EQ(w->RadioButtonF->text(), U("ж."));
    EXPECT_EQ(w->RadioButtonM->text(), U("м."));
    EXPECT_EQ(w->CheckBoxDolgota->text(), U("долгота:"));
    EXPECT_EQ(w->Sinxron->text(), U("Отображать в календаре"));
    EXPECT_EQ(w->LabelYearSign->text(), U("(знак года)"));
    EXPECT_EQ(w->LabelMonthSign->text(), U("(знак периода)"));
    EXPECT_EQ(w->LabelDaySign->text(), U("(знак дня)"));
    EXPECT_EQ(w->LabelHourSign->text(), U("(знак часа)"));
    EXPECT_EQ(w->LabelForecast->text(), U("Прогноз на 2024 год по звезде года рождения"));
    EXPECT_EQ(w->LabelYearStar->toolTip(), U("Характеристика звезды"));
    EXPECT_EQ(w->LabelBaZhai->toolTip(), U("Сектора и направления системы Ба чжай"));
    EXPECT_EQ(w->LabelDayStem->toolTip(), U("Сочетание стволов и ветвей"));
    QStringList labels;
    for (const QLabel* l : w->findChildren<QLabel*>()) labels << l->text();
    for (const char* caption :
         {"Имя:", "Пол:", "GMT:", "л.в.:", "(гр.)", "Расчет произведен на:", "Ствол дня рождения: ",
          "Звезды рождения:", "Большой юнь (60 лет):", "Малый юнь (20 лет):", "Звезда года:",
          "Звезда месяца:", "Звезда дня:", "Звезда часа:", "Столпы удачи:"}) {
        EXPECT_TRUE(labels.contains(U(caption))) << caption;
    }
}

TEST_F(PeopleWindowTest, CommandsWithTheirCaptionsShortcutsAndHints) {
    auto w = MakeWindow();
    struct Case {
        QAction* action;
        const char* caption;
        QKeySequence key;
        const char* hint;
    };
    const Case cases[] = {
        {w->ActionClear, "Очистить", QKeySequence(Qt::CTRL | Qt::Key_Delete), "Очистить"},
        {w->ActionOpen, "Открыть...", QKeySequence(Qt::CTRL | Qt::Key_O), "Открыть"},
        {w->ActionSave, "Сохранить", QKeySequence(Qt::CTRL | Qt::Key_S), "Сохранить"},
        {w->ActionSaveAs, "Сохранить как...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
         nullptr},
        {w->ActionCalculate, "Расчет", QKeySequence(Qt::Key_Enter), "Расчет"},
        {w->ActionClose, "Закрыть", QKeySequence(Qt::CTRL | Qt::Key_W), nullptr},
        {w->ActionSaveText, "Сохранить как текст...", QKeySequence(), nullptr},
        {w->ActionForecast, "Прогноз на 2024 год", QKeySequence(), nullptr},
        {w->PopupForecast, "Прогноз на 2024 год", QKeySequence(), nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.action->text(), U(c.caption));
        EXPECT_EQ(c.action->shortcut(), c.key) << c.caption;
        if (c.hint) {
            EXPECT_EQ(c.action->toolTip(), U(c.hint));
        }
    }
    EXPECT_TRUE(w->ActionCalculate->shortcuts().contains(QKeySequence(Qt::Key_Return)));

    QStringList menus;
    for (const QAction* a : w->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus,
              (QStringList{U("Файл"), U("Расчет"), U("Звезды рождения"), U("Карта"), U("Отчет")}));
    QStringList stars;
    for (const QAction* a : w->MenuBirthStars->actions())
        if (!a->isSeparator()) stars << a->text();
    EXPECT_EQ(stars, (QStringList{U("Большой юнь (60 лет)"), U("Малый юнь (20 лет)"),
                                  U("Звезда года"), U("Звезда месяца"), U("Звезда дня"),
                                  U("Звезда часа"), U("Комбинации звезд")}));
    QStringList popup;
    for (const QAction* a : w->Popup->actions())
        if (!a->isSeparator()) popup << a->text();
    EXPECT_EQ(popup,
              (QStringList{U("Открыть..."), U("Сохранить"), U("Сохранить как..."), U("Расчет"),
                           U("Прогноз на 2024 год"), U("Копировать"), U("Закрыть")}));

    // The text report, the forecast and the star texts are not offered before a chart.
    EXPECT_FALSE(w->ActionSaveText->isEnabled());
    EXPECT_FALSE(w->ActionForecast->isEnabled());
    EXPECT_FALSE(w->PopupForecast->isEnabled());
    EXPECT_FALSE(w->MenuBirthStars->menuAction()->isEnabled());
    for (const QAction* a :
         {w->ActionCopy, w->ChartExport.image, w->ReportPrint.pdf, w->ActionClientReport})
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
}

TEST_F(PeopleWindowTest, EveryPillarCaptionFitsItsColumnOnOneLine) {
    auto w = MakeWindow();
    w->show();
    EnterPerson(*w, "", EncodeMoment(1983, 11, 20, 23, 30), true);
    w->ActionCalculate->trigger();
    QApplication::processEvents();
    // Word wrap would otherwise break "Хай (Вода-инь)" after the hyphen.
    for (int i = 0; i < 60; ++i) {
        const QString caption = QString::fromStdString(PillarCaption({i % 10 + 1, i % 12 + 1}));
        EXPECT_LE(w->PSYear->fontMetrics().horizontalAdvance(caption),
                  w->PSYear->contentsRect().width())
            << caption.toStdString();
    }
}

TEST_F(PeopleWindowTest, TheCalculationShowsTheChart) {
    auto w = MakeWindow();
    w->show();
    EnterPerson(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    w->ActionCalculate->trigger();

    EXPECT_TRUE(w->ResultsShown());
    EXPECT_TRUE(w->LabelYearStar->isVisibleTo(w.get()));
    EXPECT_EQ(w->windowTitle(), U("Иван"));
    EXPECT_EQ(w->StoredBirth(), EncodeMoment(2004, 6, 1, 12, 0));
    EXPECT_EQ(w->LabelNow->text(), U("01.06.2004 12:00:00"));
    EXPECT_EQ(w->Week->text(), U("вторник"));
    EXPECT_EQ(w->PSYear->text(), U("Цзя (Дерево-ян), Шэнь (Металл-ян)"));
    EXPECT_EQ(w->LabelYearSign->text(), U("Знак года 21 из 60"));
    EXPECT_EQ(w->LabelMonthSign->text(), U("Знак периода 6 из 60"));
    EXPECT_EQ(w->LabelYearStar->text(), U("5 желтая (Почва-ян) / 1 белая (Вода-инь)"));
    EXPECT_EQ(w->LabelSmallCycleStar->text(), U("8 белая (Почва-ян) / 7 алая (Металл-инь)"));
    EXPECT_EQ(w->LabelGreatCycleStar->text(),
              U("3 бирюзовая (Дерево-ян) / 3 бирюзовая (Дерево-инь)"));
    EXPECT_EQ(w->LabelBaZhai->text(), U("Западная судьба, Дворец Кунь гуа, Почва"));
    EXPECT_EQ(w->StatusLine->text(), U("Расчет на: 01.06.2004 12:00:00 | пол: мужской | "
                                       "(GMT +03:00) | л.в.: 0 | долгота не учтена"));
    EXPECT_EQ(w->ProgressBar->value(), 0);
    ASSERT_TRUE(w->Calculation().has_value());
    const PersonCalculation& c = *w->Calculation();
    EXPECT_EQ(c.chart.guaNumber, 2);
    EXPECT_EQ(w->LabelDayStem->text(), QString::fromStdString(c.texts.dayStemElement));
    for (int i = 0; i < kLuckPillarCount; ++i) {
        EXPECT_EQ(w->LuckAge[i]->text(), QString::number(c.chart.firstLuckAge + 10 * i));
        EXPECT_EQ(w->LuckStem[i]->toolTip(), QString::fromStdString(c.texts.luckStemHints[i]));
        EXPECT_EQ(w->LuckBranch[i]->toolTip(), QString::fromStdString(c.texts.luckBranchHints[i]));
        EXPECT_FALSE(w->LuckStem[i]->pixmap().isNull());
    }
    // Pillar 1 stands at the right, pillar 9 at the left.
    EXPECT_GT(w->LuckAge[0]->geometry().x(), w->LuckAge[8]->geometry().x());

    // A calculation does not make the person unsaved, and the chart is current.
    EXPECT_TRUE(w->Modified());  // the person was typed in
    EXPECT_TRUE(w->ChartIsCurrent());
    EXPECT_TRUE(w->BirthStarsAvailable());

    // An edit keeps the chart on display but it is no longer the person's.
    w->EditNamePeople->setText(U("Иван Петрович"));
    EXPECT_TRUE(w->ResultsShown());
    EXPECT_FALSE(w->ChartIsCurrent());
    EXPECT_TRUE(w->BirthStarsAvailable());
    EXPECT_FALSE(w->ActionSaveText->isEnabled());
}

TEST_F(PeopleWindowTest, AWomansStarsAndAnUnnamedPersonKeepTheCaption) {
    auto w = MakeWindow();
    EnterPerson(*w, "", EncodeMoment(2008, 7, 1, 9, 0), false);
    w->Raschet();
    EXPECT_EQ(w->windowTitle(), U("Персональный гороскоп"));
    EXPECT_EQ(w->LabelYearStar->text(), U("5 желтая (Почва-инь) / 1 белая (Вода-ян)"));
    EXPECT_EQ(w->LabelBaZhai->text(), U("Западная судьба, Дворец Гэнь гуа, Почва"));
    EXPECT_NE(w->StatusLine->text().indexOf(U("| пол: женский |")), -1);
}

TEST_F(PeopleWindowTest, TheTimePickerWritesIntoTheDatePicker) {
    auto w = MakeWindow();
    w->MyDate->setDateTime(DateTimeOfMoment(EncodeMoment(1975, 3, 8, 12, 0)));
    w->MyTime->setTime(QTime(23, 30));
    EXPECT_EQ(MomentOfDateTime(w->MyDate->dateTime()), EncodeMoment(1975, 3, 8, 23, 30));
    // The date picker keeps the time when its date is changed.
    w->MyDate->setDate(QDate(1980, 1, 2));
    EXPECT_EQ(MomentOfDateTime(w->MyDate->dateTime()), EncodeMoment(1980, 1, 2, 23, 30));
    EXPECT_TRUE(w->Modified());
    w->Raschet();
    EXPECT_EQ(w->LabelNow->text(), U("02.01.1980 23:30:00"));
}

// "Now" carries milliseconds; a time the user types is whole seconds.
TEST_F(PeopleWindowTest, ATypedTimeKeepsNoMillisecondsOfNow) {
    SetClock([] { return TestNow() + 930.0 / 86400000.0; });
    auto w = MakeWindow();
    w->show();
    // The hours typed over "now": the picker still holds the milliseconds behind its display.
    w->MyTime->setTime(QTime(8, 0, 0, 930));
    EXPECT_EQ(w->MyTime->time().hour(), 8);
    EXPECT_EQ(w->CurrentPerson().birth, EncodeMoment(2024, 6, 21, 8, 0, 0));
}

TEST_F(PeopleWindowTest, EveryEntryEditMakesThePersonUnsaved) {
    auto w = MakeWindow();
    const std::vector<std::function<void(TFormPeople&)>> edits = {
        [](TFormPeople& p) { p.EditNamePeople->setText(U("Ольга")); },
        [](TFormPeople& p) { p.MyDate->setDate(QDate(1990, 5, 5)); },
        [](TFormPeople& p) { p.MyTime->setTime(QTime(7, 15)); },
        [](TFormPeople& p) { p.RadioButtonM->setChecked(true); },
        [](TFormPeople& p) { p.ComboGMT->setCurrentIndex(3); },
        [](TFormPeople& p) { p.EditLetnee->setValue(-2); },
        [](TFormPeople& p) { p.EditDolgota->setValue(30); },
        [](TFormPeople& p) { p.CheckBoxDolgota->setChecked(false); },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        asked_.answer = SaveChangesAnswer::Discard;
        w->ClearClick();
        ASSERT_FALSE(w->Modified());
        edits[i](*w);
        EXPECT_TRUE(w->Modified()) << i;
    }
    // The option "Отображать в календаре" is not part of the person.
    w->ClearClick();
    w->Sinxron->setChecked(true);
    EXPECT_FALSE(w->Modified());
}

TEST_F(PeopleWindowTest, TheLongitudeEditIsOpenExactlyWhileTheSwitchIsOn) {
    auto w = MakeWindow();
    w->CheckBoxDolgota->setChecked(false);
    EXPECT_FALSE(w->EditDolgota->isEnabled());
    w->CheckBoxDolgota->setChecked(true);
    EXPECT_TRUE(w->EditDolgota->isEnabled());
}

// Summer hours and longitude are typed (37 → 120 in three keys, not PgUp×8 + Up×2), with the
// range the arrows keep: 200° or 9 summer hours are not taken.
TEST_F(PeopleWindowTest, SummerHoursAndLongitudeAreTypedWithinTheirRanges) {
    auto w = MakeWindow();
    w->show();
    w->CheckBoxDolgota->setChecked(true);
    w->EditDolgota->selectAll();
    QTest::keyClicks(w->EditDolgota, QStringLiteral("120"));
    EXPECT_EQ(w->EditDolgota->value(), 120);
    w->EditDolgota->selectAll();
    QTest::keyClicks(w->EditDolgota, QStringLiteral("200"));
    EXPECT_LE(w->EditDolgota->value(), 180);
    w->EditLetnee->selectAll();
    QTest::keyClicks(w->EditLetnee, QStringLiteral("2"));
    EXPECT_EQ(w->EditLetnee->value(), 2);
    w->EditLetnee->selectAll();
    QTest::keyClicks(w->EditLetnee, QStringLiteral("9"));
    EXPECT_NE(w->EditLetnee->value(), 9);
}

TEST_F(PeopleWindowTest, TheEntryRowShowsTheLongestBirthDateWithoutOverlaps) {
    auto w = MakeWindow();
    w->show();
    QApplication::processEvents();
    // The longest long date: a two-digit day in the month with the longest name.
    const QDate september(2004, 9, 28);
    w->MyDate->setDateTime(QDateTime(september, QTime(12, 0), QTimeZone::utc()));
    const QString longest = QLocale().toString(september, w->MyDate->displayFormat());
    ASSERT_TRUE(longest.contains(U("сентября"))) << longest.toStdString();
    const QLineEdit* dateText = w->MyDate->findChild<QLineEdit*>();
    ASSERT_NE(dateText, nullptr);
    EXPECT_GE(dateText->width(), dateText->fontMetrics().horizontalAdvance(longest))
        << longest.toStdString();

    // Left to right, each control ends before the next begins, all inside the window.
    const std::vector<QWidget*> row = {w->MyDate,     w->MyTime,          w->ComboGMT,
                                       w->EditLetnee, w->CheckBoxDolgota, w->EditDolgota};
    for (std::size_t i = 0; i + 1 < row.size(); ++i) {
        const QRect a(row[i]->mapTo(w.get(), QPoint()), row[i]->size());
        const QRect b(row[i + 1]->mapTo(w.get(), QPoint()), row[i + 1]->size());
        EXPECT_LT(a.right(), b.left()) << i;
    }
    const QLabel* degrees = nullptr;
    for (const QLabel* label : w->findChildren<QLabel*>()) {
        if (label->text() == U("(гр.)")) degrees = label;
    }
    ASSERT_NE(degrees, nullptr);
    const QRect longitude(w->EditDolgota->mapTo(w.get(), QPoint()), w->EditDolgota->size());
    const QRect last(degrees->mapTo(w.get(), QPoint()), degrees->size());
    EXPECT_LT(longitude.right(), last.left());
    EXPECT_GE(last.width(), degrees->fontMetrics().horizontalAdvance(degrees->text()));
    EXPECT_LT(last.right(), w->width());
}

TEST_F(PeopleWindowTest, ShowInCalendarPushesTheBirthIntoTheMainWindow) {
    auto w = MakeWindow();
    EnterPerson(*w, "", EncodeMoment(1999, 12, 31, 23, 59), true);
    w->Raschet();
    EXPECT_TRUE(shownInCalendar_.empty());
    w->Sinxron->setChecked(true);
    w->Raschet();
    ASSERT_EQ(shownInCalendar_.size(), 1u);
    EXPECT_EQ(shownInCalendar_[0], EncodeMoment(1999, 12, 31, 23, 59));
}

TEST_F(PeopleWindowTest, SaveAsWritesTheFileAndNamesTheWindowAfterIt) {
    auto w = MakeWindow();
    EnterPerson(*w, "", EncodeMoment(2003, 2, 14, 19, 23, 29), true);
    dialogs_.saveAnswer = QString();
    EXPECT_FALSE(w->SaveAsClick());  // cancelled: nothing happens
    EXPECT_TRUE(w->Modified());
    EXPECT_FALSE(w->FileBound());
    ASSERT_EQ(Saves().size(), 1u);
    EXPECT_EQ(Saves()[0].proposedName, U("Персональный гороскоп"));
    EXPECT_EQ(Saves()[0].filter, U("Персональный гороскоп (*.gvp)"));
    EXPECT_EQ(Saves()[0].defaultSuffix, QStringLiteral("gvp"));

    dialogs_.saveAnswer = Path("иван.gvp");
    EXPECT_TRUE(w->SaveAsClick());
    EXPECT_FALSE(w->Modified());
    EXPECT_TRUE(w->FileBound());
    EXPECT_EQ(w->FilePath(), dialogs_.saveAnswer);
    EXPECT_EQ(w->windowTitle(), U("иван.gvp"));
    Person saved = ReadPersonFile(dialogs_.saveAnswer.toStdString(), 0, TimeSettings());
    // The file keeps 15 significant digits: the birth to within ten microseconds.
    EXPECT_NEAR(saved.birth, w->CurrentPerson().birth, 1e-5 / 86400);
    saved.birth = w->CurrentPerson().birth;
    EXPECT_EQ(saved, w->CurrentPerson());

    // Bound to its file, "Сохранить" writes there without asking.
    w->EditNamePeople->setText(U("Иван"));
    EXPECT_TRUE(w->SaveClick());
    EXPECT_EQ(Saves().size(), 2u);
    EXPECT_EQ(ReadPersonFile(dialogs_.saveAnswer.toStdString(), 0, TimeSettings()).name, "Иван");

    // The next proposal is the caption: the file's name.
    w->ActionSaveAs->trigger();
    EXPECT_EQ(Saves().back().proposedName, U("иван.gvp"));
}

TEST_F(PeopleWindowTest, AFailedWriteIsReportedAndThePersonStaysUnsaved) {
    auto w = MakeWindow();
    w->EditNamePeople->setText(U("Ольга"));
    dialogs_.saveAnswer = Path("нет папки/ольга.gvp");
    EXPECT_FALSE(w->SaveClick());
    QString message;
    EXPECT_EQ(ErrorBoxes(*w, &message), 1);
    EXPECT_NE(message.indexOf(U("ольга.gvp")), -1) << message.toStdString();
    EXPECT_TRUE(w->Modified());
    EXPECT_FALSE(w->FileBound());
    EXPECT_EQ(w->windowTitle(), U("Персональный гороскоп"));
}

TEST_F(PeopleWindowTest, OpeningLoadsAndCalculates) {
    auto w = MakeWindow();
    const QString path = Path("ольга.gvp");
    Person olga;
    olga.name = "Ольга";
    olga.birth = EncodeMoment(2004, 6, 1, 12, 0);
    olga.zoneIndex = 16;
    SavePersonFile(path.toStdString(), olga, ',');

    dialogs_.openAnswer = path;
    w->ActionOpen->trigger();
    EXPECT_TRUE(asked_.captions.empty());  // nothing to lose
    ASSERT_EQ(dialogs_.Of(FileDialogKind::Open).size(), 1u);
    EXPECT_EQ(dialogs_.Of(FileDialogKind::Open)[0].filter, U("Персональный гороскоп (*.gvp)"));
    EXPECT_EQ(w->EditNamePeople->text(), U("Ольга"));
    EXPECT_EQ(MomentOfDateTime(w->MyDate->dateTime()), olga.birth);
    EXPECT_EQ(w->MyTime->time(), QTime(12, 0));
    EXPECT_TRUE(w->RadioButtonF->isChecked());
    EXPECT_EQ(w->ComboGMT->currentIndex(), 16);
    EXPECT_FALSE(w->CheckBoxDolgota->isChecked());
    EXPECT_FALSE(w->EditDolgota->isEnabled());
    EXPECT_FALSE(w->Modified());
    EXPECT_TRUE(w->FileBound());
    EXPECT_EQ(w->FilePath(), path);
    // Calculated at once: the caption is the person's name.
    EXPECT_TRUE(w->ResultsShown());
    EXPECT_EQ(w->windowTitle(), U("Ольга"));
    EXPECT_EQ(w->LabelYearStar->text(), U("1 белая (Вода-инь) / 5 желтая (Почва-ян)"));

    // An unnamed person keeps the file's name as the caption.
    olga.name.clear();
    SavePersonFile(path.toStdString(), olga, ',');
    w->ActionOpen->trigger();
    EXPECT_EQ(w->windowTitle(), U("ольга.gvp"));
    // A cancelled open dialog changes nothing.
    dialogs_.openAnswer = QString();
    w->ActionOpen->trigger();
    EXPECT_EQ(w->FilePath(), path);
}

TEST_F(PeopleWindowTest, OpeningOverAnUnsavedPersonAsksFirst) {
    auto w = MakeWindow();
    const QString path = Path("p.gvp");
    Person p;
    p.name = "Пётр";
    p.birth = EncodeMoment(1961, 4, 12, 9, 7);
    SavePersonFile(path.toStdString(), p, '.');
    dialogs_.openAnswer = path;

    w->EditNamePeople->setText(U("Анна"));
    asked_.answer = SaveChangesAnswer::Cancel;
    w->OpenClick();
    ASSERT_EQ(asked_.captions.size(), 1u);
    EXPECT_TRUE(asked_.captions[0].isEmpty());  // not in a file yet
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 0);
    EXPECT_EQ(w->EditNamePeople->text(), U("Анна"));

    // Yes, and the save dialog cancelled: Анна is not thrown away for the file.
    asked_.answer = SaveChangesAnswer::Save;
    dialogs_.saveAnswer = QString();
    w->OpenClick();
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 0);
    EXPECT_EQ(w->EditNamePeople->text(), U("Анна"));
    EXPECT_TRUE(w->Modified());

    // Yes with a file name: saved, then opened.
    dialogs_.saveAnswer = Path("анна.gvp");
    w->OpenClick();
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 1);
    EXPECT_EQ(ReadPersonFile(dialogs_.saveAnswer.toStdString(), 0, TimeSettings()).name, "Анна");
    EXPECT_EQ(w->EditNamePeople->text(), U("Пётр"));

    // No: opened without saving.
    w->EditNamePeople->setText(U("Черновик"));
    asked_.answer = SaveChangesAnswer::Discard;
    w->OpenClick();
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 2);
    EXPECT_EQ(w->EditNamePeople->text(), U("Пётр"));
    EXPECT_EQ(ReadPersonFile(path.toStdString(), 0, TimeSettings()).name, "Пётр");
}

TEST_F(PeopleWindowTest, ABadFileIsReportedAndChangesNothing) {
    auto w = MakeWindow();
    const QString good = Path("good.gvp");
    Person p;
    p.name = "Вера";
    p.birth = EncodeMoment(1950, 1, 1, 6, 0);
    SavePersonFile(good.toStdString(), p, ',');
    ASSERT_TRUE(w->LoadFile(good));
    const Person before = w->CurrentPerson();
    const QString captionBefore = w->windowTitle();

    const QString bad = Path("bad.gvp");
    WriteFile(bad, "[Fild1]\r\nName=Чужой\r\nDate=37665,8\r\nPol=мужской\r\nLetnee=один\r\n");
    EXPECT_FALSE(w->LoadFile(bad));
    QString message;
    EXPECT_EQ(ErrorBoxes(*w, &message), 1);
    EXPECT_EQ(message, U("'один' is not a valid integer value"));
    EXPECT_EQ(w->CurrentPerson(), before);
    EXPECT_EQ(w->FilePath(), good);
    EXPECT_TRUE(w->FileBound());
    EXPECT_FALSE(w->Modified());
    EXPECT_EQ(w->windowTitle(), captionBefore);
}

// A zone id the database does not list is named in the warning box and not loaded; the rest of
// the file is.
TEST_F(PeopleWindowTest, AnUnlistedZoneIdIsReportedAndTheRestOfTheFileLoads) {
    auto w = MakeWindow();
    const QString path = Path("zone.gvp");
    WriteFile(path,
              "[Fild1]\r\nName=Лев\r\nDate=37665,5\r\nPol=мужской\r\nGMT=16\r\n"
              "Place=Москва, Россия\r\nTimeZoneId=../../../../dev/stdin\r\n");
    ASSERT_TRUE(w->LoadFile(path));
    QString message;
    ASSERT_EQ(ErrorBoxes(*w, &message), 1);
    EXPECT_TRUE(message.startsWith(U("Файл «zone.gvp»: TimeZoneId: часовой пояс")))
        << message.toStdString();
    EXPECT_EQ(w->EditNamePeople->text(), U("Лев"));
    EXPECT_EQ(w->ComboGMT->currentIndex(), 16);
    EXPECT_EQ(w->BirthPlace->PlaceName(), "Москва, Россия");
    EXPECT_EQ(w->BirthPlace->TimeZoneId(), "");
    EXPECT_TRUE(w->ResultsShown());
}

TEST_F(PeopleWindowTest, AMissingFileOpensAsANewPersonThatSavesThere) {
    auto w = MakeWindow();
    const QString path = Path("новый.gvp");
    ASSERT_TRUE(w->LoadFile(path));
    EXPECT_EQ(ErrorBoxes(*w), 0);
    EXPECT_EQ(w->EditNamePeople->text(), QString());
    EXPECT_EQ(MomentOfDateTime(w->MyDate->dateTime()), TestNow());
    EXPECT_EQ(w->ComboGMT->currentText(), U("(GMT +08:00)"));
    EXPECT_EQ(w->EditLetnee->value(), 1);
    EXPECT_EQ(w->EditDolgota->value(), 104);
    EXPECT_FALSE(w->CheckBoxDolgota->isChecked());  // the switch is off without "Check"
    EXPECT_TRUE(w->FileBound());
    EXPECT_TRUE(w->ResultsShown());
    EXPECT_TRUE(w->SaveClick());
    EXPECT_TRUE(Saves().empty());
    EXPECT_TRUE(QFile::exists(path));
}

TEST_F(PeopleWindowTest, ClearAsksAndClearsOnlyWhenNothingIsLost) {
    auto w = MakeWindow();
    EnterPerson(*w, "Иван", EncodeMoment(2004, 6, 1, 12, 0), true);
    w->Raschet();

    // Yes, then the save dialog cancelled: nothing is cleared.
    asked_.answer = SaveChangesAnswer::Save;
    dialogs_.saveAnswer = QString();
    w->ActionClear->trigger();
    ASSERT_EQ(asked_.captions.size(), 1u);
    EXPECT_TRUE(asked_.captions[0].isEmpty());
    EXPECT_TRUE(w->Modified());
    EXPECT_EQ(w->EditNamePeople->text(), U("Иван"));
    EXPECT_TRUE(w->ResultsShown());

    asked_.answer = SaveChangesAnswer::Cancel;
    w->ClearClick();
    EXPECT_EQ(w->EditNamePeople->text(), U("Иван"));

    asked_.answer = SaveChangesAnswer::Discard;
    w->ClearClick();
    EXPECT_EQ(w->EditNamePeople->text(), QString());
    EXPECT_EQ(MomentOfDateTime(w->MyDate->dateTime()), TestNow());
    EXPECT_TRUE(w->RadioButtonF->isChecked());
    EXPECT_EQ(w->ComboGMT->currentText(), U("(GMT +08:00)"));
    EXPECT_TRUE(w->CheckBoxDolgota->isChecked());
    EXPECT_TRUE(w->EditDolgota->isEnabled());
    EXPECT_FALSE(w->Modified());
    EXPECT_FALSE(w->FileBound());
    EXPECT_FALSE(w->ResultsShown());
    EXPECT_FALSE(w->Calculation().has_value());
    EXPECT_FALSE(w->BirthStarsAvailable());
    EXPECT_EQ(w->windowTitle(), U("Персональный гороскоп"));
    EXPECT_EQ(w->LabelYearSign->text(), U("(знак года)"));

    // An unchanged person clears without a question.
    asked_.captions.clear();
    w->ClearClick();
    EXPECT_TRUE(asked_.captions.empty());
}

TEST_F(PeopleWindowTest, TheCloseQueryKeepsAnUnsavedPersonWhenAsked) {
    auto w = MakeWindow();
    w->show();
    EXPECT_TRUE(w->CloseQuery());  // nothing to lose, no question
    EXPECT_TRUE(asked_.captions.empty());

    w->EditNamePeople->setText(U("Ольга"));
    asked_.answer = SaveChangesAnswer::Cancel;
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());

    // Yes, and the save dialog of a new person cancelled: the window stays.
    asked_.answer = SaveChangesAnswer::Save;
    dialogs_.saveAnswer = QString();
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->Modified());

    dialogs_.saveAnswer = Path("ольга.gvp");
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(QFile::exists(dialogs_.saveAnswer));
    EXPECT_FALSE(w->Modified());
    EXPECT_FALSE(w->FileBound());

    // Showing again starts a new person.
    w->show();
    EXPECT_EQ(w->EditNamePeople->text(), QString());
    EXPECT_EQ(w->windowTitle(), U("Персональный гороскоп"));

    w->EditNamePeople->setText(U("Черновик"));
    asked_.answer = SaveChangesAnswer::Discard;
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->Modified());
}

TEST_F(PeopleWindowTest, ShowingStartsANewPersonUnlessOneIsUnsaved) {
    auto w = MakeWindow();
    const QString path = Path("a.gvp");
    Person p;
    p.name = "Нина";
    p.birth = EncodeMoment(1970, 10, 10, 10, 10);
    SavePersonFile(path.toStdString(), p, ',');
    w->show();
    ASSERT_TRUE(w->LoadFile(path));
    // Bringing a showing window forward changes nothing.
    w->show();
    w->raise();
    EXPECT_EQ(w->EditNamePeople->text(), U("Нина"));

    // Hidden without its close query (as the default arrangement hides windows): an unsaved
    // person is still there when it shows again…
    w->EditNamePeople->setText(U("Нина Ивановна"));
    w->hide();
    w->show();
    EXPECT_EQ(w->EditNamePeople->text(), U("Нина Ивановна"));
    EXPECT_TRUE(w->Modified());
    // …a saved one gives way to a new person.
    ASSERT_TRUE(w->SaveClick());
    w->hide();
    w->show();
    EXPECT_EQ(w->EditNamePeople->text(), QString());
    EXPECT_FALSE(w->FileBound());
}

TEST_F(PeopleWindowTest, ACommandLineArgumentOpensOnlyAPersonFile) {
    const QString path = Path("Иван.GVP");
    Person p;
    p.name = "Иван";
    p.birth = EncodeMoment(2004, 6, 1, 12, 0);
    p.male = true;
    SavePersonFile(path.toStdString(), p, ',');
    const QString mixed = Path("Иван.gVp");
    ASSERT_TRUE(QFile::copy(path, mixed));

    auto w = MakeWindow();
    EXPECT_FALSE(w->OpenCommandLineFile(mixed));
    EXPECT_FALSE(w->isVisible());
    EXPECT_FALSE(w->FileBound());
    EXPECT_FALSE(w->OpenCommandLineFile(Path("дом.gvt")));
    EXPECT_FALSE(w->OpenCommandLineFile(QString()));

    EXPECT_TRUE(w->OpenCommandLineFile(path));
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->FileBound());
    EXPECT_EQ(w->FilePath(), path);
    EXPECT_EQ(w->EditNamePeople->text(), U("Иван"));
    EXPECT_TRUE(w->ResultsShown());
    EXPECT_EQ(w->LabelBaZhai->text(), U("Западная судьба, Дворец Кунь гуа, Почва"));
}

TEST_F(PeopleWindowTest, ChartLabelsReportTheirClicksWhileAChartIsShown) {
    auto w = MakeWindow();
    std::vector<int> gua;
    std::vector<Pillar> pillars;
    QObject::connect(w.get(), &TFormPeople::BaZhaiClicked, [&](int g) { gua.push_back(g); });
    QObject::connect(w.get(), &TFormPeople::PillarSignClicked,
                     [&](Pillar p) { pillars.push_back(p); });
    emit static_cast<PillarLink*>(w->LabelBaZhai)->clicked();
    EXPECT_TRUE(gua.empty());

    EnterPerson(*w, "", EncodeMoment(2004, 6, 1, 12, 0), false);
    w->Raschet();
    emit static_cast<PillarLink*>(w->LabelBaZhai)->clicked();
    emit w->LabelYearSign->clicked();
    ASSERT_EQ(gua.size(), 1u);
    EXPECT_EQ(gua[0], 1);
    ASSERT_EQ(pillars.size(), 1u);
    EXPECT_EQ(pillars[0], (Pillar{1, 9}));
}

}  // namespace

namespace {

// The first save proposes the person's name, not the window's caption; the unsaved-changes
// question names the file only when there is one; a newly chosen place
// clears what the status line said of the previous one.
TEST_F(PeopleWindowTest, TheFileIsNamedAfterThePersonAndTheQuestionNamesNoFileYet) {
    auto w = MakeWindow();
    w->EditNamePeople->setText(U("Иван Петров"));
    dialogs_.saveAnswer = QString();
    w->SaveAsClick();
    ASSERT_EQ(Saves().size(), 1u);
    EXPECT_EQ(Saves()[0].proposedName, U("Иван Петров"));
    EXPECT_FALSE(w->CloseQuery());
    ASSERT_FALSE(asked_.captions.empty());
    EXPECT_TRUE(asked_.captions.back().isEmpty());

    w->StatusLine->setText(U("Пояс и летнее время места «Москва, Россия» на новую дату"));
    Place kyiv;
    kyiv.name = "Киев";
    kyiv.country = "Украина";
    kyiv.timeZone = "Europe/Kiev";
    kyiv.longitude = 30.5;
    w->BirthPlace->askPlace = [kyiv](QWidget*) { return std::optional<Place>(kyiv); };
    emit w->BirthPlace->PlaceRequested();
    EXPECT_TRUE(w->StatusLine->text().isEmpty()) << w->StatusLine->text().toStdString();
}

}  // namespace

namespace {

// The month of the birth date is typed as a number or as any unambiguous beginning of its name,
// not only as the genitive the picker shows ("июля").
TEST_F(PeopleWindowTest, TheMonthIsTypedAsANumberOrTheBeginningOfItsName) {
    auto w = MakeWindow();
    w->show();
    w->MyDate->setDateTime(QDateTime(QDate(2004, 1, 31), QTime(10, 0), QTimeZone::utc()));
    w->MyDate->setFocus();
    const std::pair<const char*, int> cases[] = {{"07", 7}, {"июль", 7}, {"март", 3}, {"янв", 1},
                                                 {"2", 2},  {"дек", 12}, {"июня", 6}};
    for (const auto& [typed, month] : cases) {
        w->MyDate->setCurrentSection(QDateTimeEdit::MonthSection);
        // Key by key with their text (QTest types ASCII only).
        for (const QChar c : U(typed)) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w->MyDate, &press);
        }
        EXPECT_EQ(w->MyDate->date().month(), month) << typed;
    }
    // The day is kept within the month: 31 January became 29 February 2004 on the way.
    EXPECT_EQ(w->MyDate->time(), QTime(10, 0));
}

}  // namespace
