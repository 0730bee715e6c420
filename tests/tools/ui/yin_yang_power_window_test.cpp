// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/yin_yang_power_window.h"

#include <gtest/gtest.h>
#include <QFrame>

#include "support/shell_test.h"

namespace {

class YinYangPowerWindowTest : public ShellTest {};

TEST_F(YinYangPowerWindowTest, TheLegendInTwoColumnsWithElementSquares) {
    TFormPower w;
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Соотношение ян/инь звезд"));
    EXPECT_TRUE(w.windowFlags() & Qt::WindowStaysOnTopHint);
    QStringList headers;
    for (const QLabel* label : w.findChildren<QLabel*>())
        if (label->font().bold()) headers << label->text();
    EXPECT_EQ(headers,
              QStringList({QString::fromUtf8("Звезды ян"), QString::fromUtf8("Звезды инь")}));
    EXPECT_EQ(w.YangStars[0]->text(), QString::fromUtf8("1 белая (Вода)"));
    EXPECT_EQ(w.YinStars[0]->text(), QString::fromUtf8("5 желтая (Почва)"));
    EXPECT_EQ(w.YinStars[4]->text(), QString::fromUtf8("1 белыая (Вода)"));
    EXPECT_EQ(w.YangStars[8]->text(), QString::fromUtf8("9 пурпурная (Огонь)"));
    EXPECT_EQ(w.YinStars[8]->text(), QString::fromUtf8("6 белая (Металл)"));

    // Each star beside a 10 × 10 square; the yang Water star's square is black.
    w.show();
    const QList<QFrame*> squares = w.findChildren<QFrame*>();
    int tenByTen = 0;
    for (const QFrame* f : squares) tenByTen += f->size() == QSize(10, 10);
    EXPECT_EQ(tenByTen, 18);
    QImage image(w.size(), QImage::Format_RGB32);
    w.render(&image);
    const QPoint nearFirst =
        w.YangStars[0]->geometry().topLeft() + QPoint(-8, w.YangStars[0]->height() / 2);
    EXPECT_EQ(image.pixelColor(nearFirst), QColor(Qt::black));
    const QPoint nearFire =
        w.YangStars[8]->geometry().topLeft() + QPoint(-8, w.YangStars[8]->height() / 2);
    EXPECT_EQ(image.pixelColor(nearFire), QColor(210, 16, 0));
}

}  // namespace
