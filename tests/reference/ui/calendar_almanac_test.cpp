// SPDX-License-Identifier: GPL-3.0-or-later
// "Альманах дня" in the calendar window follows the main window's moment and settings; its
// captions are read from the window's own labels.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QtTest/QTest>

#include "almanac/ui/almanac_section.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "astro/moment.h"
#include "reference/ui/calendar_window.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "widgets/picker_moment.h"

namespace {

class CalendarAlmanacTest : public ShellTest {
protected:
    // Saves the calendar window and the whole screen when GAVROSIN_SCREENSHOTS names a folder
    // (for a look by eye, under a real display of the size to be seen).
    static void Shot(TFormMainGVR& w, TFormCalendar* calendar) {
        const QString folder = QString::fromLocal8Bit(qgetenv("GAVROSIN_SCREENSHOTS"));
        if (folder.isEmpty()) return;
        w.show();
        calendar->show();
        calendar->raise();
        QTest::qWait(300);
        calendar->findChild<QScrollArea*>()->ensureWidgetVisible(calendar->Almanac);
        QTest::qWait(100);
        const QSize size = w.screen()->size();
        const QString tag = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        calendar->grab().save(folder + "/calendar_" + tag + ".png");
        w.screen()->grabWindow(0).save(folder + "/screen_" + tag + ".png");
    }
};

TEST_F(CalendarAlmanacTest, TheSectionShowsTheAlmanacOfTheMainMoment) {
    TFormMainGVR w;
    w.MyDate->setDateTime(DateTimeOfMoment(EncodeMoment(2024, 6, 1, 12, 0)));
    TFormCalendar* calendar = w.FormCalendar();
    const TAlmanacSection* a = calendar->Almanac;
    EXPECT_EQ(a->Heading->text(), U("Альманах дня"));
    EXPECT_EQ(a->SpiritName->text(), U("Небесная кара (天刑)"));
    EXPECT_EQ(a->Road->text(), U("черный путь"));
    EXPECT_EQ(a->Clash->text(), U("(庚寅) Тигр"));
    EXPECT_EQ(a->Sha->text(), U("Ю"));
    EXPECT_EQ(
        QStringList({a->Joy->text(), a->Wealth->text(), a->YangNoble->text(), a->YinNoble->text()}),
        QStringList({U("ЮЗ"), U("ЮЗ"), U("З"), U("СЗ")}));
    EXPECT_EQ(a->StemTaboo->text(), U("Бин: не чинить очаг — не миновать беды (丙不修灶必见灾殃)"));
    EXPECT_TRUE(a->BranchTaboo->text().endsWith(U("(申不安床鬼祟入房)")));
    EXPECT_EQ(a->Hours->text(), U("Цзы 23:00–01:00   Чоу 01:00–03:00\n"
                                  "Чэнь 07:00–09:00   Сы 09:00–11:00\n"
                                  "Вэй 13:00–15:00   Сюй 19:00–21:00"));

    Shot(w, calendar);

    // The next day, 丁酉, is 朱雀; with the longitude on (37° E in zone +3) the hours move
    // 32 minutes later on the clock.
    TFormSettings* settings = w.FormSettings();
    if (!settings->CheckSh->isChecked()) settings->CheckSh->click();
    settings->EditDolgota->setValue(37);
    settings->ButtonOK->click();
    w.MyDate->setDateTime(DateTimeOfMoment(EncodeMoment(2024, 6, 2, 12, 0)));
    EXPECT_EQ(a->SpiritName->text(), U("Красная птица (朱雀)"));
    EXPECT_TRUE(a->Hours->text().contains(U("23:32–01:32"))) << a->Hours->text().toStdString();
    // The rows above the section are the calendar's as before.
    EXPECT_TRUE(calendar->PSDay->text().startsWith(U("Дин")))
        << calendar->PSDay->text().toStdString();
}

}  // namespace
