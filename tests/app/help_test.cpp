// SPDX-License-Identifier: GPL-3.0-or-later
// The help: compiled Qt Help shown in the program's own window, F1 in every window opening that
// window's page, contents, index, full-text search, back and forward, Esc and Ctrl+W.
#include <gtest/gtest.h>
#include <QApplication>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpIndexWidget>
#include <QHelpSearchEngine>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QtTest/QTest>

#include "app/main_window.h"
#include "app/settings_window.h"
#include "astro/place_table.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "person/ui/people_window.h"
#include "reference/ui/calendar_window.h"
#include "reference/ui/circle_window.h"
#include "reference/ui/compass_window.h"
#include "reference/ui/five_element_analogies_window.h"
#include "reference/ui/five_element_diagram_window.h"
#include "reference/ui/lo_shu_window.h"
#include "reference/ui/notes_window.h"
#include "reference/ui/organs_meridians_window.h"
#include "reference/ui/phase_legend_window.h"
#include "reference/ui/seasons_list_window.h"
#include "reference/ui/stem_branch_diagram_window.h"
#include "reference/ui/stem_branch_table_window.h"
#include "support/shell_test.h"
#include "tools/ui/ba_zhai_window.h"
#include "tools/ui/combination_window.h"
#include "tools/ui/constell_window.h"
#include "tools/ui/good_day_window.h"
#include "tools/ui/relations_window.h"
#include "tools/ui/trigram_window.h"
#include "tools/ui/yin_yang_power_window.h"
#include "widgets/button_words.h"
#include "widgets/help_window.h"
#include "widgets/place_picker.h"
#include "widgets/program_folder.h"

namespace {

class HelpTest : public ShellTest {
protected:
    void TearDown() override {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<THelpWindow*>(top)) delete top;
        ShellTest::TearDown();
    }
    static THelpWindow* OpenHelp() {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* help = qobject_cast<THelpWindow*>(top); help && help->isVisible())
                return help;
        return nullptr;
    }
    static QString Page(const THelpWindow* help) {
        return help ? help->Browser->source().toString() : QString();
    }
};

TEST_F(HelpTest, F1InEveryWindowOpensThatWindowsPage) {
    TFormMainGVR w;
    w.show();
    QTest::keyClick(&w, Qt::Key_F1);
    ASSERT_NE(OpenHelp(), nullptr);
    EXPECT_EQ(Page(OpenHelp()), QStringLiteral("qthelp://ru.gavrosin.help/doc/pages/main.html"));
    EXPECT_FALSE(OpenHelp()->Browser->toPlainText().isEmpty());

    const std::pair<QWidget*, const char*> windows[] = {
        {w.FormCalendar(), "calendar.html"},
        {w.FormCircle(), "circle.html"},
        {w.FormSeasoneList(), "seasons.html"},
        {w.FormNote(), "notes.html"},
        {w.FormCompass(), "compass.html"},
        {w.FormLegenda(), "legend.html"},
        {w.FormGoodDay(), "good_days.html"},
        {w.FormConstell(), "mansions.html"},
        {w.FormBCShema(), "ba_zhai.html"},
        {w.FormPower(), "power.html"},
        {w.FormCzPin(), "relations.html"},
        {w.FormCombo(), "combinations.html"},
        {w.FormGua(), "trigrams.html"},
        {w.FormFh(), "table.html"},
        {w.FormPeople(), "person.html"},
        // The reference windows, one page each.
        {w.findChild<TFormVV*>(), "lo_shu.html"},
        {w.findChild<TFormTable2*>(), "stem_branch_table.html"},
        {w.findChild<TFormTable4*>(), "stem_branch_diagram.html"},
        {w.findChild<TFormTable5*>(), "wu_xing.html"},
        {w.findChild<TFormTable6*>(), "analogies.html"},
        {w.findChild<TFormTable9*>(), "organs.html"},
    };
    for (const auto& [window, page] : windows) {
        window->show();
        // The keyboard is in that window, as after a click in it.
        QApplication::setActiveWindow(window);
        window->setFocus();
        QTest::keyClick(window, Qt::Key_F1);
        EXPECT_TRUE(Page(OpenHelp()).endsWith(QLatin1String(page)))
            << page << " got " << Page(OpenHelp()).toStdString();
        // Every page has its worked example.
        EXPECT_TRUE(OpenHelp()->Browser->toPlainText().contains(QString::fromUtf8("Пример")))
            << page;
    }
}

TEST_F(HelpTest, F1InTheModalSettingsOpensTheirPageOverTheDialog) {
    TFormMainGVR w;
    w.show();
    TFormSettings* settings = w.FormSettings();
    QTimer::singleShot(0, settings, [settings] {
        QTest::keyClick(settings, Qt::Key_F1);
        THelpWindow* help = OpenHelp();
        EXPECT_TRUE(Page(help).endsWith(QLatin1String("settings.html")));
        // Usable while the dialog is open: it belongs to the dialog.
        EXPECT_EQ(help ? help->parentWidget() : nullptr, settings);
        settings->reject();
    });
    settings->exec();
}

// The place picker is a dialog of its own with a page of its own; the help is also where
// Russian programs keep it, in a "Справка" menu, and the boxes' button is the Cyrillic "ОК".
TEST_F(HelpTest, F1InThePlacePickerAndAHelpMenu) {
    TFormMainGVR w;
    w.show();
    QString error;
    const PlaceTable* table =
        PlaceTable::Shared(DataPath(QStringLiteral("\\places.tsv.z")), &error);
    ASSERT_NE(table, nullptr) << error.toStdString();
    PlacePicker picker(*table, QStringLiteral("Место"), &w);
    QTimer::singleShot(0, &picker, [&picker] {
        QTest::keyClick(&picker, Qt::Key_F1);
        EXPECT_TRUE(Page(OpenHelp()).endsWith(QLatin1String("places.html")));
        picker.reject();
    });
    picker.exec();

    QStringList menus;
    for (QAction* menu : w.menuBar()->actions()) menus << menu->text();
    EXPECT_TRUE(menus.contains(QString::fromUtf8("Справка"))) << menus.join(' ').toStdString();

    ButtonWordsTranslator words;
    QApplication::installTranslator(&words);
    QMessageBox box(QMessageBox::Critical, QString(), QString(), QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text(), QString::fromUtf8("ОК"));
    QApplication::removeTranslator(&words);
}

TEST_F(HelpTest, ContentsIndexSearchAndHistoryWork) {
    TFormMainGVR w;
    w.HelpClick();
    THelpWindow* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    QHelpEngine* engine = help->Engine;

    // Contents: the start page with one entry per window and topic.
    QTRY_VERIFY(!engine->contentModel()->isCreatingContents() &&
                engine->contentModel()->rowCount() > 0);
    const QModelIndex top = engine->contentModel()->index(0, 0);
    EXPECT_GE(engine->contentModel()->rowCount(top), 25);
    // Open at its list of pages.
    EXPECT_TRUE(help->Contents->isExpanded(top));

    // Index: a keyword typed into the filter, Enter opens its page.
    QTRY_VERIFY(!engine->indexModel()->isCreatingIndex() && engine->indexModel()->rowCount() > 0);
    help->IndexFilter->setText(QString::fromUtf8("столпы удачи"));
    QTest::keyClick(help->IndexFilter, Qt::Key_Return);
    QTRY_VERIFY(Page(help).endsWith(QLatin1String("person.html")));

    // Back and forward between the two pages seen.
    EXPECT_TRUE(help->BackAction->isEnabled());
    help->BackAction->trigger();
    EXPECT_TRUE(Page(help).endsWith(QLatin1String("main.html")));
    help->ForwardAction->trigger();
    EXPECT_TRUE(Page(help).endsWith(QLatin1String("person.html")));

    // Full-text search: a word of the day-choosing page finds it.
    QHelpSearchEngine* search = engine->searchEngine();
    QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
    search->reindexDocumentation();
    ASSERT_TRUE(indexed.wait(20000));
    QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
    search->search(QStringLiteral("iCalendar"));
    ASSERT_TRUE(searched.wait(20000));
    ASSERT_GE(search->searchResultCount(), 1);
    bool found = false;
    for (const QHelpSearchResult& r : search->searchResults(0, search->searchResultCount()))
        found = found || r.url().toString().endsWith(QLatin1String("day_selection.html"));
    EXPECT_TRUE(found);
}

TEST_F(HelpTest, EveryPageWearsTheStylesheet) {
    TFormMainGVR w;
    w.HelpClick();
    THelpWindow* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    const QList<QUrl> pages =
        help->Engine->files(QStringLiteral("ru.gavrosin.help"), QString(), QStringLiteral("html"));
    ASSERT_GE(pages.size(), 30);
    for (const QUrl& page : pages) {
        help->Browser->setSource(page);
        // help.css gives the heading the lacquer red.
        const QTextBlock heading = help->Browser->document()->firstBlock();
        EXPECT_EQ(heading.charFormat().foreground().color(), QColor(0x7a, 0x1e, 0x14))
            << page.toString().toStdString();
    }
}

TEST_F(HelpTest, OnASmallScreenEverySidePanelTabIsInSight) {
    TFormMainGVR w;
    w.HelpClick();
    THelpWindow* help = OpenHelp();
    ASSERT_NE(help, nullptr);
    help->resize(1024, 600);
    QApplication::processEvents();
    const QTabBar* bar = help->Tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        EXPECT_TRUE(bar->rect().contains(bar->tabRect(i))) << bar->tabText(i).toStdString();
        // The whole caption, not "Соде…".
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i)))
            << bar->tabText(i).toStdString();
    }
}

// On a 1024x600 screen the help opens below the main window's toolbars (their date and time in
// sight), shortened to the room left; on a large screen in its middle, whole.
TEST(HelpWindowPlace, BelowTheMainToolbarsAndInsideTheScreen) {
    const QRect small = HelpWindowPlace(QRect(0, 0, 1024, 570), 90, QSize(860, 600), 28);
    EXPECT_GE(small.top() - 28, 90);
    EXPECT_LE(small.bottom(), 569);
    EXPECT_EQ(small.width(), 860);
    const QRect large = HelpWindowPlace(QRect(0, 0, 1600, 970), 90, QSize(860, 600), 28);
    EXPECT_EQ(large.size(), QSize(860, 600));
    EXPECT_EQ(large.center().x(), QRect(0, 0, 1600, 970).center().x());
    EXPECT_GE(large.top() - 28, 90);
}

TEST_F(HelpTest, EscapeAndCtrlWCloseTheHelp) {
    TFormMainGVR w;
    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        w.HelpClick();
        THelpWindow* help = OpenHelp();
        ASSERT_NE(help, nullptr);
        QApplication::setActiveWindow(help);
        QTest::keySequence(help, key);
        QApplication::processEvents();
        EXPECT_EQ(OpenHelp(), nullptr) << key.toString().toStdString();
    }
}

TEST_F(HelpTest, AMissingHelpIsReportedAndNothingOpens) {
    TFormMainGVR w;
    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    w.HelpClick();
    QString shown;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
            shown = box->text();
            box->close();
        }
    EXPECT_TRUE(shown.startsWith(QString::fromUtf8("Не удалось открыть справку")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("gavrosin.qch")));
    EXPECT_EQ(OpenHelp(), nullptr);
}

}  // namespace
