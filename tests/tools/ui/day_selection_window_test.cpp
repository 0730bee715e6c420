// SPDX-License-Identifier: GPL-3.0-or-later
// "Выбор дней" in the program: the month grid with its marks, the list, a person file, and a
// double click that moves the main window.
#include "tools/ui/day_selection_window.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

#include "app/main_window.h"
#include "app/settings_store.h"
#include "person/person_file.h"
#include "support/shell_test.h"
#include "tools/ui/tool_window_test_support.h"

namespace {

class DaySelectionWindowTest : public ShellTest {
protected:
    static TFormDaySelection* Window(TFormMainGVR& main) {
        return main.findChild<TFormDaySelection*>();
    }
    static void DoubleClick(QAbstractItemView* view, const QModelIndex& index) {
        QWidget* port = view->viewport();
        const QPointF at = view->visualRect(index).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            QMouseEvent e(type, at, port->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
            QCoreApplication::sendEvent(port, &e);
        }
    }
    // Saves a picture of the window when GAVROSIN_SCREENSHOTS names a folder (for a look by eye).
    static void Shot(QWidget* w, const char* name) {
        const QByteArray folder = qgetenv("GAVROSIN_SCREENSHOTS");
        if (!folder.isEmpty()) w->grab().save(QString::fromUtf8(folder) + "/" + name + ".png");
    }
};

TEST_F(DaySelectionWindowTest, GridMarksTheChosenDaysAndADoubleClickMovesTheMainWindow) {
    TFormMainGVR main;
    TFormDaySelection* w = Window(main);
    ASSERT_NE(w, nullptr);
    QAction* command = main.Commands().Action(Command::DaySelection);
    EXPECT_EQ(command->text(), U("Выбор дней"));
    EXPECT_TRUE(command->isEnabled());
    EXPECT_FALSE(w->isVisible());
    command->trigger();
    ASSERT_TRUE(w->isVisible());
    w->resize(1040, 620);
    EXPECT_EQ(w->windowTitle(), U("Выбор дней"));
    EXPECT_EQ(w->FromDate->date(), QDate(2024, 6, 21))
        << "the range starts at the main window's date";

    w->FromDate->setDate(QDate(2024, 6, 1));
    w->ToDate->setDate(QDate(2024, 7, 31));
    w->Officers->topLevelItem(0)->setCheckState(1, Qt::Checked);  // only Цзянь
    w->Officers->topLevelItem(8)->setCheckState(1, Qt::Checked);  // and Чэн
    w->NoMonthBreaker->setChecked(true);
    w->RunSearchToEnd();
    ASSERT_EQ(w->Days().size(), 61u);
    int chosen = 0;
    for (const DayVerdict& v : w->Days()) {
        chosen += v.chosen;
        EXPECT_EQ(v.chosen, v.facts.officer == 1 || v.facts.officer == 9);
    }
    EXPECT_EQ(w->MonthList->currentText(), U("Июнь 2024"));
    EXPECT_EQ(w->MonthList->count(), 2);
    // Monday first: 1 June 2024 is a Saturday, so the grid opens on Monday 27 May.
    EXPECT_EQ(w->Grid->horizontalHeaderItem(0)->text(), U("пн"));
    EXPECT_EQ(w->Grid->item(0, 0)->text(), U("27"));
    EXPECT_EQ(w->Grid->item(0, 5)->text(), U("1"));
    int marked = 0;
    QTableWidgetItem* firstChosen = nullptr;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 7; ++c) {
            QTableWidgetItem* item = w->Grid->item(r, c);
            if (item->background().style() == Qt::NoBrush) continue;
            ++marked;
            if (!firstChosen) firstChosen = item;
            EXPECT_TRUE(item->toolTip().contains(U("Подходит"))) << item->toolTip().toStdString();
        }
    EXPECT_GT(marked, 0);
    ASSERT_NE(firstChosen, nullptr);
    EXPECT_TRUE(firstChosen->toolTip().contains(U("Созвездие: ")));
    EXPECT_TRUE(w->Grid->item(0, 5)->data(Qt::UserRole + 1).toString().contains(U("созв.")));
    EXPECT_EQ(w->List->rowCount(), chosen);
    EXPECT_TRUE(w->CsvButton->isEnabled());
    Shot(w, "day_selection_grid");
    main.resize(1366, 768);
    Shot(&main, "main_window");
    w->Results->setCurrentIndex(1);
    Shot(w, "day_selection_list");
    w->Results->setCurrentIndex(0);

    // A double click on a chosen day: the main window and its calendar move to it.
    const Moment date = firstChosen->data(Qt::UserRole).toDouble();
    DoubleClick(w->Grid, w->Grid->indexFromItem(firstChosen));
    EXPECT_DOUBLE_EQ(main.PickerMoment(), date + 0.5);
    const DayVerdict& v = w->Days()[static_cast<std::size_t>(date - w->Days().front().facts.date)];
    EXPECT_EQ(main.Cascade().Current().day.branch, v.facts.day.branch);
    EXPECT_EQ(main.Cascade().Current().mansion, v.facts.mansion);

    // The list, sorted by officer, moves it too.
    w->List->sortItems(2);
    DoubleClick(w->List, w->List->model()->index(0, 1));
    EXPECT_DOUBLE_EQ(main.PickerMoment(), w->List->item(0, 0)->data(Qt::UserRole).toDouble() + 0.5);
    EXPECT_TRUE(w->List->item(0, 2)->text().startsWith(U("Цзянь")));
    EXPECT_TRUE(TakeErrorBoxTexts().isEmpty());
}

TEST_F(DaySelectionWindowTest, TheAlmanacMarksTheRoadAndListsTheHoursThatSuitThePerson) {
    TFormMainGVR main;
    TFormDaySelection* w = Window(main);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->YellowRoadOnly->text(), U("только желтый путь"));
    EXPECT_EQ(w->NoHourClash->text(), U("без столкновения с ветвью человека в часе"));
    w->FromDate->setDate(QDate(2024, 6, 1));
    w->ToDate->setDate(QDate(2024, 6, 30));
    w->YellowRoadOnly->setChecked(true);
    w->Persons[0].year->setCurrentIndex(7);  // born in a 午 year: the hour 子 clashes
    w->NoHourClash->setChecked(true);
    w->RunSearchToEnd();
    // 1 June, 丙申 under 天刑, is on the black road: marked so, not chosen.
    QTableWidgetItem* june1 = w->Grid->item(0, 5);
    ASSERT_EQ(june1->text(), U("1"));
    EXPECT_EQ(june1->data(Qt::UserRole + 3), QVariant(false));
    EXPECT_EQ(june1->background().style(), Qt::NoBrush);
    EXPECT_TRUE(june1->toolTip().contains(U("Дух дня: Небесная кара (天刑), черный путь")));
    for (const DayVerdict& v : w->Days())
        EXPECT_TRUE(!v.chosen || v.facts.almanac.yellowRoad) << v.facts.date;
    ASSERT_GT(w->List->rowCount(), 5);
    EXPECT_EQ(w->List->horizontalHeaderItem(7)->text(), U("Благоприятные часы"));
    for (int row = 0; row < w->List->rowCount(); ++row) {
        const QString hours = w->List->item(row, 7)->text();
        EXPECT_FALSE(hours.isEmpty());
        EXPECT_FALSE(hours.contains(U("Цзы "))) << hours.toStdString();
    }
}

TEST_F(DaySelectionWindowTest, APersonFileGivesTheBranchesAndBadInputIsRefusedWithAMessage) {
    TFormMainGVR main;
    TFormDaySelection* w = Window(main);
    ASSERT_NE(w, nullptr);
    Person person;
    person.name = "Иван";
    person.birth = EncodeMoment(1984, 3, 15, 10, 0, 0);  // Цзя-Цзы year
    const QString path = SettingsFolder() + "/ivan.gvp";
    SavePersonFile(path.toStdString(), person, ',');
    w->LoadPerson(0, path);
    EXPECT_EQ(w->Persons[0].name->text(), U("Иван"));
    EXPECT_EQ(w->Persons[0].year->currentIndex(), 1);  // Цзы
    EXPECT_GT(w->Persons[0].day->currentIndex(), 0);
    const DayCriteria c = w->Criteria();
    ASSERT_EQ(c.persons.size(), 1u);
    EXPECT_EQ(c.persons[0].year, 1);

    w->LoadPerson(1, SettingsFolder() + "/missing.gvp");
    EXPECT_EQ(w->Persons[1].year->currentIndex(), 0);
    EXPECT_EQ(TakeErrorBoxTexts().size(), 1);
    w->FromDate->setDate(QDate(2000, 1, 1));
    w->ToDate->setDate(QDate(2030, 1, 1));
    w->StartSearch();
    EXPECT_FALSE(w->Searching());
    EXPECT_EQ(TakeErrorBoxTexts(), QStringList(U("Диапазон длиннее 20 лет.")));
}

}  // namespace
