// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's toolbar: a pictogram for every command, sharp from 16 to 48 pixels and on a
// double-density screen, the name in the hint and, when the user asks, under the pictogram.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <set>

#include "app/main_window.h"
#include "app/settings_window.h"
#include "support/shell_test.h"
#include "widgets/pictograms.h"

namespace {

using ToolbarPictograms = ShellTest;

TEST_F(ToolbarPictograms, EveryCommandHasItsOwnPictogramSharpAtEverySize) {
    TFormMainGVR w;
    QToolBar* bar = w.Commands().Toolbar();
    std::set<QByteArray> pictures;
    int commands = 0;
    for (QAction* action : bar->actions()) {
        if (action->isSeparator()) continue;
        ++commands;
        const QIcon icon = action->icon();
        ASSERT_FALSE(icon.isNull()) << action->text().toStdString();
        // Drawn at each size, not a small picture scaled or left small.
        for (int size : {16, 24, 32, 48})
            EXPECT_EQ(icon.pixmap(QSize(size, size)).size(), QSize(size, size))
                << action->text().toStdString() << " at " << size;
        const QPixmap hiDpi = icon.pixmap(QSize(24, 24), 2.0);
        EXPECT_EQ(hiDpi.deviceIndependentSize().toSize(), QSize(24, 24));
        EXPECT_EQ(hiDpi.size(), QSize(48, 48)) << action->text().toStdString();
        const QImage image = icon.pixmap(QSize(32, 32)).toImage();
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<int>(image.sizeInBytes())));
        EXPECT_FALSE(action->toolTip().isEmpty());
    }
    EXPECT_GE(commands, 24);
    EXPECT_EQ(static_cast<int>(pictures.size()), commands) << "two commands share a picture";
    EXPECT_EQ(w.Commands().Action(Command::StarCombinations)->toolTip(),
              QString::fromUtf8("Комбинации звезд для циклов"));
}

TEST_F(ToolbarPictograms, TheNamesUnderThePictogramsAreASetting) {
    TFormMainGVR w;
    QToolBar* bar = w.Commands().Toolbar();
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonIconOnly);
    w.FormSettings()->CheckCaptions->setChecked(true);
    w.FormSettings()->ButtonOK->click();
    EXPECT_EQ(bar->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    TFormMainGVR again;  // kept in the settings
    EXPECT_EQ(again.Commands().Toolbar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

TEST_F(ToolbarPictograms, PrintIsAPrinterNotACheckMark) {
    const QImage print = GenericIcon(GenericCommand::Print).pixmap(16, 16).toImage();
    const QImage check =
        QApplication::style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(16, 16).toImage();
    EXPECT_FALSE(print.isNull());
    EXPECT_NE(print, check);
    EXPECT_FALSE(GenericIcon(GenericCommand::Open).isNull());
    EXPECT_FALSE(GenericIcon(GenericCommand::Save).isNull());
}

}  // namespace
