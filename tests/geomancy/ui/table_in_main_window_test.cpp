// SPDX-License-Identifier: GPL-3.0-or-later
// The geomantic table as part of the program: opened by the main window's command, computed for
// the main window's moment, and asked before the program ends.
#include <gtest/gtest.h>
#include <QAction>
#include <QLineEdit>

#include "app/main_window.h"
#include "calendar/moment_format.h"
#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "interpretation/ui/report_window.h"
#include "support/save_question_recorder.h"
#include "support/shell_test.h"
#include "widgets/save_changes_question.h"

namespace {

class TableInMainWindowTest : public ShellTest {};

TEST_F(TableInMainWindowTest, TheCommandShowsTheTableWhichReadsTheMainMoment) {
    TFormMainGVR main;
    TFormFh* fh = main.FormFh();
    ASSERT_NE(fh, nullptr);
    QAction* command = main.Commands().Action(Command::GeomanticTable);
    ASSERT_TRUE(command->isEnabled());
    EXPECT_EQ(command->text(), QString::fromUtf8("Внутренний знак жилища"));
    command->trigger();
    EXPECT_TRUE(fh->isVisible());
    EXPECT_EQ(fh->Azimuth->Text(), QStringLiteral("0"));

    fh->Raschet();
    EXPECT_EQ(fh->Table().calculationMoment, main.Cascade().Current().civil);
    EXPECT_EQ(fh->Table().currentPeriod, main.Cascade().Current().smallCycleStar);
}

TEST_F(TableInMainWindowTest, AnUnsavedTableMayStopTheProgramFromEnding) {
    SaveQuestionRecorder asked;
    TFormMainGVR main;
    main.show();
    main.Commands().Action(Command::GeomanticTable)->trigger();
    main.FormFh()->Azimuth->EditAz->setText(QStringLiteral("95"));

    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(asked.captions.size(), 1u);
    asked.answer = SaveChangesAnswer::Discard;
    EXPECT_TRUE(main.close());
    EXPECT_EQ(asked.captions.size(), 2u);
}

}  // namespace

namespace {

// Reports open in a cascade below the table's toolbar: none hides the azimuth box.
TEST_F(TableInMainWindowTest, ReportsCascadeClearOfTheAzimuthBox) {
    TFormMainGVR w;
    w.show();
    w.Commands().Action(Command::GeomanticTable)->trigger();
    TFormFh* fh = w.FormFh();
    fh->CalculateAction->trigger();
    const QRect box(fh->Azimuth->mapToGlobal(QPoint(0, 0)), fh->Azimuth->size());
    fh->InterpretAction->trigger();
    fh->InterpretAction->trigger();
    const auto reports = fh->findChildren<TFormFHInter*>();
    ASSERT_EQ(reports.size(), 2);
    for (const TFormFHInter* r : reports) EXPECT_FALSE(r->frameGeometry().intersects(box));
    EXPECT_NE(reports[0]->pos(), reports[1]->pos());
}

}  // namespace
