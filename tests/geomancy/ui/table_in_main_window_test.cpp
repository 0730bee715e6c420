// The geomantic table as part of the program: opened by the main window's command, computed for
// the main window's moment, and asked before the program ends.
#include <QAction>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "widgets/save_changes_question.h"
#include "widgets/shell_test_environment.h"
#include "calendar/moment_format.h"
#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/geomantic_table_window.h"

namespace {

class TableInMainWindowTest : public ShellTest {
protected:
    void TearDown() override {
        SetSaveChangesAsker({});
        ShellTest::TearDown();
    }
};

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
    SaveChangesAnswer answer = SaveChangesAnswer::Cancel;
    int questions = 0;
    SetSaveChangesAsker([&](QWidget*, const QString&) {
        ++questions;
        return answer;
    });
    TFormMainGVR main;
    main.show();
    main.Commands().Action(Command::GeomanticTable)->trigger();
    main.FormFh()->Azimuth->EditAz->setText(QStringLiteral("95"));

    EXPECT_FALSE(main.close());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(questions, 1);
    answer = SaveChangesAnswer::Discard;
    EXPECT_TRUE(main.close());
    EXPECT_EQ(questions, 2);
}

}  // namespace
