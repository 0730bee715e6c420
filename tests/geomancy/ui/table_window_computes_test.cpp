// SPDX-License-Identifier: GPL-3.0-or-later
// The house window computes only what its azimuth box accepts, computes on Enter, and never lets
// the status line or the documents speak of another azimuth than the drawn chart.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest/QTest>
#include <memory>

#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/gate_chart_widget.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "geomancy/ui/table_chart_sheet.h"
#include "support/file_dialog_recorder.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "widgets/picker_moment.h"

namespace {

class HouseWindowComputes : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        moment_ = ComputeMomentCalendar(TestNow(), TimeSettings()).moment;
        w_ = std::make_unique<TFormFh>(
            TableWindowSources{[this] { return moment_; }, [] { return 3.0f; }});
        w_->show();
    }

    // Typed key by key into the box, as the user does.
    void TypeKeys(const char* text) {
        w_->Azimuth->EditAz->selectAll();
        QTest::keyClicks(w_->Azimuth->EditAz, U(text));
    }
    void Enter() { QTest::keyClick(w_->Azimuth->EditAz, Qt::Key_Return); }

    QStringList TakeErrors() {
        QStringList texts;
        for (QMessageBox* box : w_->findChildren<QMessageBox*>()) {
            texts << box->text();
            delete box;
        }
        return texts;
    }

    QTemporaryDir dir_;
    FileDialogRecorder dialogs_;
    CurrentMoment moment_;
    std::unique_ptr<TFormFh> w_;
};

TEST_F(HouseWindowComputes, WhatTheBoxRefusesIsComputedByNoPath) {
    TypeKeys("95");
    Enter();
    ASSERT_DOUBLE_EQ(w_->Table().azimuth, 95);
    const QString line = w_->StatusLine->text();
    dialogs_.saveAnswer = QDir(dir_.path()).filePath(QStringLiteral("refused.gvt"));
    for (const char* refused : {"400", "7.55", "-5"}) {
        SCOPED_TRACE(refused);
        TypeKeys(refused);  // "400" passes through "40", which the box reads
        const QString hint = w_->Azimuth->EditAz->toolTip();
        ASSERT_FALSE(hint.isEmpty());
        // The toolbar's button, clicked as the user does, and Enter: one behaviour, a box each.
        QWidget* button = nullptr;
        for (QToolBar* bar : w_->findChildren<QToolBar*>())
            if (QWidget* b = bar->widgetForAction(w_->CalculateAction)) button = b;
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        Enter();
        EXPECT_DOUBLE_EQ(w_->Table().azimuth, 95);
        EXPECT_EQ(TakeErrors(), QStringList({hint, hint}));
        EXPECT_TRUE(w_->StatusLine->text().startsWith(line.section(U(" | "), 0, 0)));
        // Nor is it saved as the azimuth last read.
        w_->SaveAsFile();
        EXPECT_EQ(TakeErrors(), QStringList({hint}));
        EXPECT_FALSE(QFile::exists(dialogs_.saveAnswer));
    }
}

TEST_F(HouseWindowComputes, EnterComputesAndTheLineAndDocumentsFollowTheDrawnChart) {
    TypeKeys("7.5");
    Enter();
    ASSERT_DOUBLE_EQ(w_->Table().azimuth, 7.5);
    EXPECT_FALSE(w_->Azimuth->MarkedNotComputed());

    // Typed but not yet computed: the box is marked, the line still tells of 7,5 and its edge.
    TypeKeys("187.5");
    EXPECT_DOUBLE_EQ(w_->Table().azimuth, 7.5);
    EXPECT_TRUE(w_->Azimuth->MarkedNotComputed());
    EXPECT_EQ(w_->Azimuth->EditAz->toolTip(), U("Еще не рассчитано: азимут 187,5 (Enter)"));
    const QString waiting = w_->StatusLine->text();
    EXPECT_TRUE(waiting.startsWith(U("Азимут: 7,5 | "))) << waiting.toStdString();
    EXPECT_TRUE(waiting.endsWith(
        U("до границы гор Цзы и Гуй 0° | Еще не рассчитано: азимут 187,5 (Enter)")))
        << waiting.toStdString();
    EXPECT_TRUE(TableSheetHeader(*w_).contains(U("Азимут: 7,5 | ")));
    EXPECT_FALSE(TableSheetHeader(*w_).contains(U("187")));

    Enter();
    EXPECT_DOUBLE_EQ(w_->Table().azimuth, 187.5);
    EXPECT_FALSE(w_->Azimuth->MarkedNotComputed());
    const QString computed = w_->StatusLine->text();
    EXPECT_TRUE(computed.startsWith(U("Азимут: 187,5 | "))) << computed.toStdString();
    EXPECT_TRUE(computed.endsWith(U("до границы гор У и Дин 0°"))) << computed.toStdString();
    EXPECT_TRUE(TableSheetHeader(*w_).contains(U("Азимут: 187,5 | ")));

    // Another moving-in date is an input not yet computed too; Enter in the date box computes it.
    w_->DateTable->setDateTime(DateTimeOfMoment(EncodeMoment(2005, 6, 1, 12, 0)));
    EXPECT_TRUE(w_->StatusLine->text().endsWith(U("Еще не рассчитано: дата 01.06.2005 (Enter)")));
    QTest::keyClick(w_->DateTable, Qt::Key_Return);
    EXPECT_EQ(w_->Table().tableDate, EncodeMoment(2005, 6, 1, 12, 0));
    EXPECT_FALSE(w_->StatusLine->text().contains(U("Еще не")));
}

TEST_F(HouseWindowComputes, TheChartFactsAndTheStatusLineStayWholeInTheFixedWindow) {
    TypeKeys("187.5");
    Enter();
    QApplication::processEvents();
    // A replacement chart has four lines of facts: under the gate charts, not over them.
    ASSERT_TRUE(w_->ChartFacts->text().contains(U("Примечание")));
    const auto top = [this](const QWidget* x) { return x->mapTo(w_.get(), QPoint(0, 0)).y(); };
    EXPECT_GE(top(w_->ChartFacts), top(w_->GateExtra) + w_->GateExtra->height());
    // The azimuth, the dates and the boundary note, longer than the window is wide, all shown.
    EXPECT_GE(w_->StatusLine->height(), w_->StatusLine->heightForWidth(w_->StatusLine->width()));
    EXPECT_GT(w_->StatusLine->fontMetrics().horizontalAdvance(w_->StatusLine->text()),
              w_->StatusLine->width());
}

}  // namespace
