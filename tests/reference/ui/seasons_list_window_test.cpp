// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/seasons_list_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDateTimeEdit>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

#include "app/main_window.h"
#include "app/settings_window.h"
#include "astro/moment.h"
#include "reference/ui/calendar_window.h"
#include "reference/ui/reference_test_folder.h"
#include "widgets/picker_moment.h"
#include "widgets/text_viewer_window.h"
#include "widgets/window_cascade.h"

namespace {

class SeasonsListWindowTest : public ReferenceFolderTest {
protected:
    static void SetPicker(TFormMainGVR& w, Moment m) { w.MyDate->setDateTime(DateTimeOfMoment(m)); }
    static void Click(QWidget* target) {
        const QPointF at(2, 2);
        QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &release);
    }
    static std::vector<TFormText*> Viewers() {
        std::vector<TFormText*> out;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* viewer = qobject_cast<TFormText*>(w)) out.push_back(viewer);
        return out;
    }
};

TEST_F(SeasonsListWindowTest, CreatedWithItsCaptionLinksAndTheClocksYear) {
    const YearTermTable table = BuildYearTermTable(2024, 3.0f);
    TFormSeasoneList list({[&] { return table; }, [] { return 0; }});
    EXPECT_EQ(list.windowTitle(), QString::fromUtf8("Наступление сезонов солнечного календаря"));
    EXPECT_TRUE(list.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(list.LabelTitle->text(), QString::fromUtf8("На 2024 год"));
    EXPECT_TRUE(list.LabelTitle->font().bold());
    EXPECT_EQ(list.LabelTitle->font().pixelSize(), 16);
    EXPECT_EQ(list.Links[0]->text(), QString::fromUtf8("Наступление весны"));
    EXPECT_EQ(list.Links[1]->text(), QString::fromUtf8("Становление весны"));
    EXPECT_EQ(list.Links[35]->text(), QString::fromUtf8("Большие холода"));
    // Headings are bold, terms are not; all links blue and underlined.
    EXPECT_TRUE(list.Links[0]->font().bold());
    EXPECT_TRUE(list.Links[33]->font().bold());
    EXPECT_FALSE(list.Links[1]->font().bold());
    EXPECT_TRUE(list.Links[1]->styleSheet().contains(QStringLiteral("underline")));
    EXPECT_EQ(list.Dates[21]->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(list.Dates[21]->text(), QStringLiteral("04.02.2024 11:27"));
}

TEST_F(SeasonsListWindowTest, A2024DateShowsThatYearsTermsJanuaryOnesLast) {
    TFormMainGVR w;
    TFormSeasoneList* list = w.FormSeasoneList();
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isVisible());
    SetPicker(w, EncodeMoment(2024, 3, 1, 12, 0));
    w.Commands().Action(Command::SeasonsList)->trigger();
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->LabelTitle->text(), QString::fromUtf8("На 2024 год"));
    // Row 2 "Становление весны": early February 2024 (08:27:07 universal time with ΔT, GMT+3).
    EXPECT_EQ(list->Dates[21]->text(), QStringLiteral("04.02.2024 11:27"));
    // Rows 35 and 36, the last season's terms, in January 2024.
    EXPECT_EQ(list->Dates[19]->text(), QStringLiteral("05.01.2024 23:49"));
    EXPECT_TRUE(list->Dates[20]->text().startsWith(QStringLiteral("20.01.2024")))
        << list->Dates[20]->text().toStdString();
    EXPECT_TRUE(list->Dates[0]->text().startsWith(QStringLiteral("20.03.2024")));
}

TEST_F(SeasonsListWindowTest, FollowsTheMainWindowsYearOnlyWhileShowing) {
    TFormMainGVR w;
    TFormSeasoneList* list = w.FormSeasoneList();
    list->show();
    SetPicker(w, EncodeMoment(2025, 5, 1, 12, 0));
    EXPECT_EQ(list->LabelTitle->text(), QString::fromUtf8("На 2025 год"));
    EXPECT_TRUE(list->Dates[21]->text().startsWith(QStringLiteral("03.02.2025")));
    list->hide();
    SetPicker(w, EncodeMoment(2026, 5, 1, 12, 0));
    EXPECT_EQ(list->LabelTitle->text(), QString::fromUtf8("На 2025 год"));
    list->show();
    EXPECT_EQ(list->LabelTitle->text(), QString::fromUtf8("На 2026 год"));
    EXPECT_TRUE(list->Dates[21]->text().contains(QStringLiteral(".02.2026 ")));
}

TEST_F(SeasonsListWindowTest, AnHourOfSummerTimeMovesEveryDateButNotTheTable) {
    TFormMainGVR w;
    TFormSeasoneList* list = w.FormSeasoneList();
    list->show();
    const YearTermTable before = w.Cascade().YearTerms();
    EXPECT_EQ(list->Dates[21]->text(), QStringLiteral("04.02.2024 11:27"));
    w.FormSettings()->EditLetnee->setValue(1);
    w.FormSettings()->ButtonOK->click();
    EXPECT_EQ(list->Dates[21]->text(), QStringLiteral("04.02.2024 12:27"));
    EXPECT_EQ(list->Dates[19]->text(), QStringLiteral("06.01.2024 00:49"));
    EXPECT_EQ(w.Cascade().YearTerms().instants, before.instants);
}

TEST_F(SeasonsListWindowTest, OnlyTheHeightCanBeChanged) {
    const YearTermTable table = BuildYearTermTable(2024, 3.0f);
    TFormSeasoneList list({[&] { return table; }, [] { return 0; }});
    list.show();
    list.resize(500, 400);
    EXPECT_EQ(list.size(), QSize(290, 400));
    list.resize(200, 650);
    EXPECT_EQ(list.size(), QSize(290, 650));
    EXPECT_EQ(list.TitleLine->width(), 290 - 35);
    EXPECT_EQ(list.WinterLine->width(), 290 - 35);
}

TEST_F(SeasonsListWindowTest, EachClickOnALinkOpensAnotherViewerOnItsPage) {
    TextViewerCascade().Reset();
    const YearTermTable table = BuildYearTermTable(2024, 3.0f);
    TFormSeasoneList list({[&] { return table; }, [] { return 0; }});
    list.show();
    for (TFormText* v : Viewers()) delete v;
    Click(list.Links[1]);
    Click(list.Links[1]);
    const std::vector<TFormText*> viewers = Viewers();
    ASSERT_EQ(viewers.size(), 2u);
    std::vector<QPoint> places;
    for (TFormText* v : viewers) {
        EXPECT_EQ(v->Page(), QStringLiteral("\\other\\ses\\s2.rtf"));
        EXPECT_TRUE(v->LastError().isEmpty()) << v->LastError().toStdString();
        EXPECT_FALSE(v->RichEdit->toPlainText().isEmpty());
        places.push_back(v->pos());
    }
    std::sort(places.begin(), places.end(), [](QPoint a, QPoint b) { return a.x() < b.x(); });
    EXPECT_EQ(places[0], QPoint(10, 106));
    EXPECT_EQ(places[1], QPoint(30, 126));
    for (TFormText* v : viewers) delete v;

    Click(list.Links[35]);
    ASSERT_EQ(Viewers().size(), 1u);
    EXPECT_EQ(Viewers()[0]->Page(), QStringLiteral("\\other\\ses\\s36.rtf"));
    delete Viewers()[0];
}

}  // namespace
