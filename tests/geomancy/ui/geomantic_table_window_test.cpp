// SPDX-License-Identifier: GPL-3.0-or-later
#include "geomancy/ui/geomantic_table_window.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
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
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest/QTest>
#include <memory>
#include <vector>

#include "astro/moment.h"
#include "calendar/moment_calendar.h"
#include "geomancy/table_computation.h"
#include "geomancy/ui/azimuth_box_widget.h"
#include "geomancy/ui/table_chart_widget.h"
#include "support/file_dialog_recorder.h"
#include "support/save_question_recorder.h"
#include "support/shell_test.h"
#include "support/utf8.h"
#include "text/cp1251.h"
#include "widgets/picker_moment.h"
#include "widgets/save_changes_question.h"
#include "widgets/text_viewer_window.h"

namespace {

class TableWindowTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        moment_ = ComputeMomentCalendar(TestNow(), TimeSettings()).moment;
    }

    void TearDown() override {
        // Every dialog the window asked for is the table file's.
        for (const FileDialogRequest& request : dialogs_.requests) {
            EXPECT_EQ(request.filter, U("Внутренний знак жилища (*.gvt)"));
            if (request.kind == FileDialogKind::Save) {
                EXPECT_EQ(request.defaultSuffix, QStringLiteral("gvt"));
            }
        }
        ShellTest::TearDown();
    }

    std::vector<FileDialogRequest> Saves() const { return dialogs_.Of(FileDialogKind::Save); }

    std::unique_ptr<TFormFh> NewWindow() {
        return std::make_unique<TFormFh>(
            TableWindowSources{[this] { return moment_; }, [] { return 3.0f; }});
    }

    QString Path(const QString& name) const { return QDir(dir_.path()).filePath(name); }

    void WriteFile(const QString& path, const std::string& utf8) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::string bytes = Utf8ToCp1251(utf8);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    static std::string ReadFile(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return "<missing>";
        return Cp1251ToUtf8(f.readAll().toStdString());
    }

    static void Type(TFormFh& w, const char* text) { w.Azimuth->EditAz->setText(U(text)); }
    static QString Facing(const TFormFh& w) { return w.ComboFacing->currentText(); }
    static QString Sitting(const TFormFh& w) { return w.ComboSitting->currentText(); }
    static void SetDate(TFormFh& w, Moment m) { w.DateTable->setDateTime(DateTimeOfMoment(m)); }

    // Error boxes shown over the window (and closed, so the next check starts clean).
    static QStringList TakeErrors(QWidget& w) {
        QStringList texts;
        for (QMessageBox* box : w.findChildren<QMessageBox*>()) {
            texts << box->text();
            box->close();
            delete box;
        }
        return texts;
    }

    static QStringList Captions(const QMenu* menu) {
        QStringList captions;
        for (const QAction* a : menu->actions()) captions << (a->isSeparator() ? "-" : a->text());
        return captions;
    }

    QTemporaryDir dir_;
    CurrentMoment moment_;
    SaveQuestionRecorder asked_;
    FileDialogRecorder dialogs_;
};

TEST_F(TableWindowTest, ANewWindowHasItsCaptionsAndNoChartYet) {
    auto w = NewWindow();
    EXPECT_EQ(w->windowTitle(), U("Внутренний знак жилища"));
    EXPECT_TRUE(w->windowFlags() & Qt::Tool);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);

    const QList<QAction*> menus = w->menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), U("Файл"));
    EXPECT_EQ(Captions(menus[0]->menu()),
              QStringList({U("Открыть..."), U("Сохранить"), U("Сохранить как..."), "-",
                           U("Сохранить изображение..."), U("Экспорт в PDF..."),
                           U("Отчет в PDF..."), "-", U("Закрыть окно")}));
    EXPECT_EQ(menus[1]->text(), U("Расчет"));
    EXPECT_EQ(Captions(menus[1]->menu()),
              QStringList({U("Внутренний знак"), "-", U("Интерпретировать"), "-",
                           U("Лопань. Ориентация ГОРЫ."), U("Ба чжай по Направлению"),
                           U("Ба чжай по Горе")}));
    EXPECT_EQ(menus[2]->text(), U("Описание звезд"));
    EXPECT_EQ(Captions(menus[2]->menu()),
              QStringList({U("Единица белая"), U("Двойка черная"), U("Тройка бирюзовая"),
                           U("Четверка зеленая"), U("Пятерка желтая"), U("Шестерка белая"),
                           U("Семерк алая"), U("Восьмерка белая"), U("Девятка пурпурная"), "-",
                           U("Легенда для звездных фаз")}));
    EXPECT_EQ(Captions(w->Popup),
              QStringList({U("Открыть..."), U("Сохранить"), U("Сохранить как..."), "-",
                           U("Внутренний знак"), U("Интерпретировать"), "-", U("Закрыть окно")}));

    // Toolbar: the inputs and the five buttons with their hints.
    QToolBar* bar = w->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList labels;
    for (const QLabel* l : bar->findChildren<QLabel*>()) labels << l->text();
    EXPECT_EQ(labels, QStringList({U("Азимут:"), U("Гора:"), U("Вода:"), U("Дата:")}));
    // The commands on a row of their own.
    QStringList hints;
    for (QToolBar* row : w->findChildren<QToolBar*>())
        for (QAction* a : row->actions())
            if (!a->isSeparator() && row->widgetForAction(a) &&
                row->widgetForAction(a)->inherits("QToolButton"))
                hints << a->toolTip();
    EXPECT_EQ(hints, QStringList({U("Открыть"), U("Сохранить"), U("Внутренний знак"),
                                  U("Интерпретировать"), U("Лопань. Ориентация ГОРЫ.")}));

    // The inputs as at every show.
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("0"));
    EXPECT_EQ(w->Azimuth->EditAz->maxLength(), 5);
    EXPECT_EQ(Facing(*w), U("Цзы"));
    EXPECT_EQ(Sitting(*w), U("У"));
    ASSERT_EQ(w->ComboFacing->count(), 24);
    ASSERT_EQ(w->ComboSitting->count(), 24);
    EXPECT_EQ(w->ComboFacing->itemText(0), U("Жэнь"));
    EXPECT_EQ(w->ComboSitting->itemText(23), U("Хай"));
    EXPECT_FALSE(w->ComboFacing->itemIcon(7).isNull());
    EXPECT_EQ(w->TableDate(), TestNow());
    EXPECT_EQ(w->DateTable->text(), QStringLiteral("21.06.2024 12:00:00"));
    EXPECT_TRUE(w->StatusLine->text().isEmpty());
    EXPECT_FALSE(w->Modified());
    EXPECT_FALSE(w->HasFileName());

    // Nothing to interpret and no chart before the first computation.
    EXPECT_FALSE(w->InterpretAction->isEnabled());
    EXPECT_FALSE(w->Presentation().Shown());
    for (PalaceIndex p = 0; p < kPalaceCount; ++p)
        EXPECT_TRUE(w->Chart->PalaceButton(p)->isHidden());
    // Commands whose windows are not connected stay disabled.
    EXPECT_FALSE(w->CompassAction->isEnabled());
    EXPECT_FALSE(w->BaZhaiFacingAction->isEnabled());
    EXPECT_FALSE(w->LegendAction->isEnabled());
    EXPECT_TRUE(w->CalculateAction->isEnabled());
}

TEST_F(TableWindowTest, TheAzimuthBoxSelectsBothMountains) {
    auto w = NewWindow();
    struct Row {
        const char* typed;
        const char* shown;
        const char* facing;
        const char* sitting;
    };
    const Row rows[] = {
        {"7", "7", "Цзы", "У"},        {"8", "8", "Гуй", "Дин"},
        {"352", "352", "Жэнь", "Бин"}, {"353", "353", "Цзы", "У"},
        {"360", "360", "Цзы", "У"},    {"247", "247", "Шэнь", "Инь"},
        {"248", "248", "Гэн", "Цзя"},  {"187,5", "187,5", "Дин", "Гуй"},
        {"95", "95", "Мао", "Ю"},      {"180", "180", "У", "Цзы"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.typed);
        Type(*w, "90");  // start elsewhere each time
        Type(*w, r.typed);
        EXPECT_EQ(w->Azimuth->Text(), U(r.shown));
        EXPECT_EQ(Facing(*w), U(r.facing));
        EXPECT_EQ(Sitting(*w), U(r.sitting));
        EXPECT_TRUE(w->Modified());
    }

    // Red in a replacement zone, the default colour in a normal one.
    const QColor normal = w->Azimuth->EditAz->palette().color(QPalette::Text);
    Type(*w, "11");
    EXPECT_EQ(w->Azimuth->EditAz->palette().color(QPalette::Text), QColor(255, 0, 0));
    Type(*w, "12");
    EXPECT_EQ(w->Azimuth->EditAz->palette().color(QPalette::Text), normal);
}

// What is no azimuth stays as typed with a hint on the box and the status line, and the table
// keeps the last azimuth read; near an edge the status line says so.
TEST_F(TableWindowTest, TheAzimuthBoxRefusesWhatIsNoAzimuthAndTellsOfEdges) {
    auto w = NewWindow();
    w->show();
    Type(*w, "95");
    w->CalculateAction->trigger();
    const QColor ground = w->Azimuth->EditAz->palette().color(QPalette::Base);
    for (const char* typed : {"7.55", "-5", "1e9", "abc", "400", ""}) {
        SCOPED_TRACE(typed);
        Type(*w, typed);
        EXPECT_EQ(w->Azimuth->Text(), U(typed));
        EXPECT_DOUBLE_EQ(w->Azimuth->Box().azimuth, 95);
        // No mountain beside a refused text ("400" showed those of the "40" typed on the way).
        EXPECT_TRUE(Facing(*w).isEmpty());
        EXPECT_TRUE(Sitting(*w).isEmpty());
        EXPECT_FALSE(w->Azimuth->EditAz->toolTip().isEmpty());
        EXPECT_NE(w->Azimuth->EditAz->palette().color(QPalette::Base), ground);
        EXPECT_TRUE(w->StatusLine->text().endsWith(w->Azimuth->EditAz->toolTip()));
    }
    // The decimal is computed as written: 187.5 is Дин's outer edge, not У's 187.
    Type(*w, "187.5");
    EXPECT_TRUE(w->Azimuth->MarkedNotComputed());  // read, and waiting to be computed
    EXPECT_EQ(Facing(*w), U("Дин"));
    w->CalculateAction->trigger();
    EXPECT_EQ(w->Azimuth->EditAz->palette().color(QPalette::Base), ground);
    EXPECT_TRUE(w->Azimuth->EditAz->toolTip().isEmpty());
    EXPECT_DOUBLE_EQ(w->Table().azimuth, 187.5);
    EXPECT_FALSE(w->Table().normalZone);
    EXPECT_TRUE(w->StatusLine->text().startsWith(U("Азимут: 187,5 | ")));
    EXPECT_TRUE(w->StatusLine->text().endsWith(U(" | до границы гор У и Дин 0°")));
    // Beside the chart: its period, that it is a replacement, and its remark.
    const QString facts = w->ChartFacts->text();
    EXPECT_TRUE(facts.contains(U("Период таблицы: %1").arg(w->Table().tablePeriod)))
        << facts.toStdString();
    EXPECT_TRUE(facts.contains(U("Таблица: замещения")));
    EXPECT_TRUE(
        facts.contains(U("Примечание: ") + QString::fromStdString(w->Table().chartComment)));
    // The line keeps describing the drawn chart; the typed azimuth waits for Enter.
    Type(*w, "180");
    EXPECT_TRUE(w->StatusLine->text().endsWith(
        U("до границы гор У и Дин 0° | Еще не рассчитано: азимут 180 (Enter)")));
    // A tenth steps to the next whole degree.
    Type(*w, "187,5");
    w->Azimuth->UpButton->click();
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("188"));
}

TEST_F(TableWindowTest, ChoosingAMountainWritesTheFacingCentre) {
    auto w = NewWindow();
    // Sitting "Гэнь" (4): facing "Кунь" (16), azimuth 225.
    w->ComboSitting->setCurrentIndex(4);
    emit w->ComboSitting->activated(4);
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("225"));
    EXPECT_EQ(Facing(*w), U("Кунь"));
    EXPECT_EQ(Sitting(*w), U("Гэнь"));
    EXPECT_TRUE(w->Modified());

    for (const auto& [index, centre] : {std::pair{0, "345"}, {1, "0"}, {2, "15"}, {23, "330"}}) {
        w->ComboFacing->setCurrentIndex(index);
        emit w->ComboFacing->activated(index);
        EXPECT_EQ(w->Azimuth->Text(), QString::fromLatin1(centre));
        EXPECT_EQ(w->ComboFacing->currentIndex(), index);
        EXPECT_EQ(w->ComboSitting->currentIndex(), (index + 12) % 24);
    }
}

TEST_F(TableWindowTest, TheUpDownWrapsAround) {
    auto w = NewWindow();
    Type(*w, "360");
    w->Azimuth->UpButton->click();
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("0"));
    w->Azimuth->DownButton->click();
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("360"));
    // A click into the box selects its whole text.
    w->Azimuth->EditAz->deselect();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w->Azimuth->EditAz, &release);
    EXPECT_EQ(w->Azimuth->EditAz->selectedText(), QStringLiteral("360"));

    Type(*w, "94");
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
    QCoreApplication::sendEvent(w->Azimuth->EditAz, &up);
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("95"));
    EXPECT_EQ(Facing(*w), U("Мао"));
}

TEST_F(TableWindowTest, TheComputationShowsTheChartAndEnablesInterpretation) {
    auto w = NewWindow();
    std::vector<int> compass;
    std::vector<std::pair<int, QString>> reports;
    TableWindowLinks links;
    links.drawCompassFacing = [&](int azimuth) { compass.push_back(azimuth); };
    links.showCompass = [] {};
    links.interpret = [&](const GeomanticTable& t, const QString& caption) {
        reports.push_back({t.azimuth, caption});
    };
    w->SetLinks(links);
    EXPECT_TRUE(w->CompassAction->isEnabled());
    EXPECT_FALSE(w->InterpretAction->isEnabled());

    Type(*w, "95");
    SetDate(*w, EncodeMoment(2005, 6, 1, 12, 0));
    w->CalculateAction->trigger();

    const GeomanticTable& t = w->Table();
    EXPECT_EQ(t.azimuth, 95);
    EXPECT_EQ(t.facingMountain, "Мао");
    EXPECT_EQ(t.sittingMountain, "Ю");
    EXPECT_EQ(t.tablePeriod, 8);
    EXPECT_EQ(t.currentPeriod, 9);
    EXPECT_EQ(t.yearStar, moment_.yearStar);
    EXPECT_TRUE(w->Presentation().Shown());
    EXPECT_EQ(
        w->StatusLine->text(),
        U("Азимут: 95 | Дата строительства или переезда: 01.06.2005 | Расчет на: 21.06.2024"));
    for (PalaceIndex p = 0; p < kPalaceCount; ++p)
        EXPECT_FALSE(w->Chart->PalaceButton(p)->isHidden());
    EXPECT_EQ(compass, std::vector<int>({95}));

    // The chart is not recomputed when the inputs change, only by the command.
    Type(*w, "180");
    EXPECT_EQ(w->Table().azimuth, 95);

    ASSERT_TRUE(w->InterpretAction->isEnabled());
    w->InterpretAction->trigger();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].first, 95);
    EXPECT_EQ(reports[0].second, U("Внутренний знак жилища"));
}

TEST_F(TableWindowTest, WithoutAReportWindowInterpretationStaysDisabled) {
    auto w = NewWindow();
    w->Raschet();
    EXPECT_TRUE(w->Presentation().InterpretEnabled());
    EXPECT_FALSE(w->InterpretAction->isEnabled());
}

TEST_F(TableWindowTest, SavingANewTableAsksForANameOnceAndThenWritesSilently) {
    auto w = NewWindow();
    Type(*w, "95");
    SetDate(*w, EncodeMoment(2003, 2, 19, 19, 23));
    EXPECT_TRUE(w->Modified());

    // A cancelled dialog writes nothing and changes nothing.
    w->SaveAction->trigger();
    ASSERT_EQ(Saves().size(), 1u);
    EXPECT_EQ(Saves()[0].proposedName, U("Внутренний знак жилища"));
    EXPECT_TRUE(w->Modified());
    EXPECT_FALSE(w->HasFileName());
    EXPECT_EQ(w->windowTitle(), U("Внутренний знак жилища"));

    dialogs_.saveAnswer = Path(U("дом.gvt"));
    w->SaveAction->trigger();
    ASSERT_EQ(Saves().size(), 2u);
    EXPECT_FALSE(w->Modified());
    EXPECT_TRUE(w->HasFileName());
    EXPECT_EQ(w->windowTitle(), U("дом.gvt"));
    EXPECT_EQ(w->FileName(), dialogs_.saveAnswer);
    // The date keeps its time of day, written with the Russian decimal comma.
    const std::string written = ReadFile(dialogs_.saveAnswer);
    EXPECT_EQ(written.substr(0, 36), "[TITLE]\r\nTitle=gvt\r\n[Fild1]\r\nDate=37");
    EXPECT_NE(written.find("Date=37671,80"), std::string::npos) << written;
    EXPECT_NE(written.find("Azimut=95\r\n"), std::string::npos) << written;

    Type(*w, "100");
    w->SaveAction->trigger();
    EXPECT_EQ(Saves().size(), 2u);  // no dialog the second time
    EXPECT_FALSE(w->Modified());
    EXPECT_NE(ReadFile(dialogs_.saveAnswer).find("Azimut=100\r\n"), std::string::npos);

    // "Сохранить как..." always asks, proposing the caption in the file's folder.
    dialogs_.saveAnswer.clear();
    w->SaveAsAction->trigger();
    ASSERT_EQ(Saves().size(), 3u);
    EXPECT_EQ(Saves()[2].proposedName, Path(U("дом.gvt")));
}

TEST_F(TableWindowTest, SaveAndOpenGiveBackTheSameTable) {
    auto w = NewWindow();
    Type(*w, "247");
    SetDate(*w, EncodeMoment(1985, 3, 8, 9, 41, 17));
    w->Raschet();
    const GeomanticTable saved = w->Table();
    dialogs_.saveAnswer = Path("t.gvt");
    w->SaveAsFile();

    auto other = NewWindow();
    ASSERT_TRUE(other->OpenFileTwo(dialogs_.saveAnswer));
    EXPECT_EQ(other->Azimuth->Text(), QStringLiteral("247"));
    EXPECT_NEAR(other->TableDate(), EncodeMoment(1985, 3, 8, 9, 41, 17), 1e-9);
    const GeomanticTable& opened = other->Table();
    EXPECT_EQ(opened.tablePeriod, saved.tablePeriod);
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        EXPECT_EQ(opened.palaces[p].mountain, saved.palaces[p].mountain);
        EXPECT_EQ(opened.palaces[p].facing, saved.palaces[p].facing);
        EXPECT_EQ(opened.palaces[p].base, saved.palaces[p].base);
    }
    EXPECT_EQ(opened.chartComment, saved.chartComment);
}

TEST_F(TableWindowTest, OpeningReadsTheFileAndComputes) {
    auto w = NewWindow();
    // Only "Azimut": the date is now.
    WriteFile(Path("only.gvt"), "[Fild1]\r\nAzimut=90\r\n");
    dialogs_.openAnswer = Path("only.gvt");
    w->OpenAction->trigger();
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 1);
    EXPECT_TRUE(asked_.captions.empty());  // nothing was modified
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("90"));
    EXPECT_EQ(Facing(*w), U("Мао"));
    EXPECT_EQ(Sitting(*w), U("Ю"));
    EXPECT_EQ(w->TableDate(), TestNow());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("only.gvt"));
    EXPECT_TRUE(w->HasFileName());
    EXPECT_FALSE(w->Modified());
    EXPECT_TRUE(w->Presentation().Shown());
    EXPECT_EQ(w->Table().azimuth, 90);
    EXPECT_EQ(w->FileName(), dialogs_.openAnswer);

    // No "Azimut": azimuth 0.
    WriteFile(Path("nodir.gvt"), "[TITLE]\r\nTitle=gvt\r\n[Fild1]\r\nDate=37665,5\r\n");
    ASSERT_TRUE(w->OpenFileTwo(Path("nodir.gvt")));
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("0"));
    EXPECT_EQ(w->TableDate(), 37665.5);
    EXPECT_EQ(w->DateTable->text(), QStringLiteral("13.02.2003 12:00:00"));

    // A cancelled dialog opens nothing.
    dialogs_.openAnswer.clear();
    w->NOpenClick();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("nodir.gvt"));
}

TEST_F(TableWindowTest, ABadFileIsReportedAndChangesNothing) {
    auto w = NewWindow();
    Type(*w, "95");
    SetDate(*w, EncodeMoment(2005, 6, 1));
    const Moment date = w->TableDate();
    struct Row {
        const char* name;
        const char* content;
        const char* message;
    };
    const Row rows[] = {
        {"az.gvt", "[Fild1]\r\nDate=37665,5\r\nAzimut=abc\r\n",
         "'abc' is not a valid integer value"},
        {"date.gvt", "[Fild1]\r\nDate=вчера\r\nAzimut=5\r\n",
         "is not a valid floating point value"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        WriteFile(Path(r.name), r.content);
        EXPECT_FALSE(w->OpenFileTwo(Path(r.name)));
        const QStringList errors = TakeErrors(*w);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors[0].contains(U(r.message))) << errors[0].toStdString();
        EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("95"));
        EXPECT_EQ(w->TableDate(), date);
        EXPECT_EQ(w->windowTitle(), U("Внутренний знак жилища"));
        EXPECT_FALSE(w->HasFileName());
        EXPECT_TRUE(w->Modified());
        EXPECT_FALSE(w->Presentation().Shown());
    }
    // A missing file too.
    EXPECT_FALSE(w->OpenFileTwo(Path("missing.gvt")));
    EXPECT_EQ(TakeErrors(*w).size(), 1);
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("95"));
}

TEST_F(TableWindowTest, AFileThatCannotBeWrittenKeepsTheTableModified) {
    auto w = NewWindow();
    Type(*w, "95");
    dialogs_.saveAnswer = Path("no-such-folder/t.gvt");
    w->SaveAsFile();
    EXPECT_EQ(TakeErrors(*w).size(), 1);
    EXPECT_TRUE(w->Modified());
    EXPECT_FALSE(w->HasFileName());
    EXPECT_EQ(w->windowTitle(), U("Внутренний знак жилища"));
    EXPECT_FALSE(QFile::exists(dialogs_.saveAnswer));
}

TEST_F(TableWindowTest, OpeningAModifiedTableAsksFirst) {
    WriteFile(Path("a.gvt"), "[Fild1]\r\nAzimut=180\r\n");
    dialogs_.openAnswer = Path("a.gvt");

    // Cancel: nothing happens, not even the open dialog.
    auto w = NewWindow();
    Type(*w, "95");
    asked_.answer = SaveChangesAnswer::Cancel;
    w->NOpenClick();
    ASSERT_EQ(asked_.captions.size(), 1u);
    EXPECT_TRUE(asked_.captions[0].isEmpty());  // not in a file yet
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 0);
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("95"));
    EXPECT_TRUE(w->Modified());

    // No: opens without saving.
    asked_.answer = SaveChangesAnswer::Discard;
    w->NOpenClick();
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 1);
    EXPECT_TRUE(Saves().empty());
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("180"));

    // Yes: saves, then opens.
    Type(*w, "95");
    asked_.answer = SaveChangesAnswer::Save;
    w->NOpenClick();
    EXPECT_EQ(Saves().size(), 0u);  // the table has its file: saved without a dialog
    EXPECT_NE(ReadFile(Path("a.gvt")).find("Azimut=95"), std::string::npos);
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 2);
    EXPECT_FALSE(w->Modified());
}

// Enter in the date box reads the same date again: that is no change, and nothing is asked.
TEST_F(TableWindowTest, EnterInTheDateBoxIsNoChange) {
    WriteFile(Path("a.gvt"), "[Fild1]\r\nAzimut=180\r\nDate=45326,4770833333\r\n");
    auto w = NewWindow();
    w->show();
    w->DateTable->setFocus();
    ASSERT_TRUE(w->OpenFileTwo(Path("a.gvt")));
    ASSERT_FALSE(w->Modified());
    QTest::keyClick(w->DateTable, Qt::Key_Return);
    EXPECT_FALSE(w->Modified());
    EXPECT_NEAR(w->TableDate(), 45326.4770833333, 1e-9);
    dialogs_.openAnswer.clear();
    w->NOpenClick();
    EXPECT_TRUE(asked_.captions.empty());
    // The moving-in time shows with the date (11:27 on 2024-02-04 decides the period).
    EXPECT_TRUE(w->DateTable->text().endsWith(QStringLiteral("11:27:00")))
        << w->DateTable->text().toStdString();
}

TEST_F(TableWindowTest, ATableThatCouldNotBeSavedIsNotReplacedByOpening) {
    WriteFile(Path("a.gvt"), "[Fild1]\r\nAzimut=180\r\n");
    dialogs_.openAnswer = Path("a.gvt");
    asked_.answer = SaveChangesAnswer::Save;

    // The save dialog cancelled: the modified table stays, nothing is opened.
    auto w = NewWindow();
    Type(*w, "30");
    w->NOpenClick();
    EXPECT_EQ(Saves().size(), 1u);
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 0);
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("30"));
    EXPECT_TRUE(w->Modified());

    // The file could not be written: reported, and the table stays too.
    dialogs_.saveAnswer = Path("no-such-folder/t.gvt");
    w->NOpenClick();
    EXPECT_EQ(TakeErrors(*w).size(), 1);
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 0);
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("30"));

    // Saved: then the other table opens.
    dialogs_.saveAnswer = Path("kept.gvt");
    w->NOpenClick();
    EXPECT_NE(ReadFile(dialogs_.saveAnswer).find("Azimut=30"), std::string::npos);
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 1);
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("180"));
}

TEST_F(TableWindowTest, ClosingAsksAboutUnsavedChanges) {
    auto w = NewWindow();
    w->show();
    Type(*w, "95");

    asked_.answer = SaveChangesAnswer::Cancel;
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(asked_.captions.size(), 1u);

    // Yes with a cancelled save dialog: still modified, so the window stays.
    asked_.answer = SaveChangesAnswer::Save;
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Saves().size(), 1u);

    // Yes with a name: saved, then closed.
    dialogs_.saveAnswer = Path("c.gvt");
    EXPECT_TRUE(w->close());
    EXPECT_FALSE(w->isVisible());
    EXPECT_TRUE(QFile::exists(dialogs_.saveAnswer));

    // No: closes without saving.
    w->show();
    Type(*w, "100");
    asked_.answer = SaveChangesAnswer::Discard;
    EXPECT_TRUE(w->close());
    EXPECT_NE(ReadFile(dialogs_.saveAnswer).find("Azimut=95"), std::string::npos);

    // Nothing modified: no question.
    w->show();
    const size_t questions = asked_.captions.size();
    EXPECT_TRUE(w->MayClose());
    EXPECT_EQ(asked_.captions.size(), questions);
}

TEST_F(TableWindowTest, ClosingHidesTheChartAndShowingResetsTheInputs) {
    auto w = NewWindow();
    TableWindowLinks links;
    links.interpret = [](const GeomanticTable&, const QString&) {};
    w->SetLinks(links);
    w->show();
    Type(*w, "95");
    SetDate(*w, EncodeMoment(2005, 6, 1));
    w->Raschet();
    dialogs_.saveAnswer = Path("k.gvt");
    w->SaveClick();
    ASSERT_TRUE(w->InterpretAction->isEnabled());
    ASSERT_TRUE(w->HasFileName());

    ASSERT_TRUE(w->close());
    EXPECT_EQ(w->windowTitle(), U("Девять дворцов"));
    EXPECT_FALSE(w->InterpretAction->isEnabled());
    EXPECT_FALSE(w->Presentation().Shown());
    EXPECT_EQ(w->Presentation().TaiSuiMarker(), 0);
    for (PalaceIndex p = 0; p < kPalaceCount; ++p) {
        EXPECT_TRUE(w->Chart->PalaceButton(p)->isHidden());
        EXPECT_EQ(w->Presentation().PalaceFrame(p), Frame{});
    }
    EXPECT_FALSE(w->HasFileName());
    EXPECT_FALSE(w->Modified());
    EXPECT_EQ(w->FileName(), dialogs_.saveAnswer);  // remembered until the next open or save

    w->show();
    EXPECT_EQ(w->windowTitle(), U("Внутренний знак жилища"));  // a fresh table again
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("0"));
    EXPECT_EQ(Facing(*w), U("Цзы"));
    EXPECT_EQ(Sitting(*w), U("У"));
    EXPECT_EQ(w->TableDate(), TestNow());
    EXPECT_TRUE(w->StatusLine->text().isEmpty());
    EXPECT_FALSE(w->Presentation().Shown());
    EXPECT_FALSE(w->Modified());

    // Saving asks for a name again, proposing the caption.
    dialogs_.saveAnswer.clear();
    w->SaveClick();
    ASSERT_EQ(Saves().size(), 2u);
    EXPECT_EQ(QFileInfo(Saves()[1].proposedName).fileName(), U("Внутренний знак жилища"));
}

// The person window's keys: Ctrl+O opens, Ctrl+S saves (a new table asks for its name).
TEST_F(TableWindowTest, CtrlOOpensAndCtrlSSavesAsInThePersonWindow) {
    auto w = NewWindow();
    w->show();
    QApplication::setActiveWindow(w.get());
    w->Azimuth->EditAz->setFocus();
    QTest::keyClick(w->Azimuth->EditAz, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Open), 1);
    QTest::keyClick(w->Azimuth->EditAz, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs_.Count(FileDialogKind::Save), 1);
    EXPECT_EQ(w->SaveAsAction->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
}

TEST_F(TableWindowTest, DescriptionsOpenInTheTextViewer) {
    auto w = NewWindow();
    // A table whose Kan holds facing star 6 and mountain star 5.
    int azimuth = -1;
    Moment date = 0;
    for (int a = 0; a <= 360 && azimuth < 0; ++a)
        for (int year = 1905; year <= 2065 && azimuth < 0; year += 20) {
            GeomanticTable t;
            const Moment d = EncodeMoment(year, 6, 1);
            ASSERT_TRUE(ComputeTable(t, TableInputs::ForAzimuth(a, d), moment_, 3.0f));
            if (t.palaces[Palace::Kan].facing == 6 && t.palaces[Palace::Kan].mountain == 5) {
                azimuth = a;
                date = d;
            }
        }
    ASSERT_GE(azimuth, 0);
    Type(*w, std::to_string(azimuth).c_str());
    SetDate(*w, date);
    w->Raschet();
    w->Chart->PalaceButton(Palace::Kan)->click();
    w->StarActions[6]->trigger();

    const QList<TFormText*> viewers = w->findChildren<TFormText*>();
    ASSERT_EQ(viewers.size(), 2);
    EXPECT_EQ(viewers[0]->Page(), QStringLiteral("\\other\\combstars\\6_5.rtf"));
    EXPECT_EQ(viewers[1]->Page(), QStringLiteral("\\other\\combstars\\7_0.rtf"));
    for (TFormText* v : viewers) delete v;
}

TEST_F(TableWindowTest, TheOtherWindowsOpenForTheSelectedMountains) {
    auto w = NewWindow();
    std::vector<int> baZhai;
    int compass = 0, legend = 0;
    TableWindowLinks links;
    links.showBaZhai = [&](int item) { baZhai.push_back(item); };
    links.showCompass = [&] { ++compass; };
    links.showLegend = [&] { ++legend; };
    w->SetLinks(links);

    Type(*w, "95");  // facing Мао (Чжэнь, item 3), sitting Ю (Дуй, item 7)
    w->BaZhaiFacingAction->trigger();
    w->BaZhaiSittingAction->trigger();
    Type(*w, "320");  // facing Цянь (item 0), sitting Сюнь (item 4)
    w->BaZhaiFacingAction->trigger();
    w->BaZhaiSittingAction->trigger();
    EXPECT_EQ(baZhai, std::vector<int>({3, 7, 0, 4}));

    w->CompassAction->trigger();
    w->LegendAction->trigger();
    EXPECT_EQ(compass, 1);
    EXPECT_EQ(legend, 1);
}

TEST_F(TableWindowTest, ATableFileOnTheCommandLineOpensAtStart) {
    WriteFile(Path("START.GVT"), "[Fild1]\r\nAzimut=180\r\n");
    auto w = NewWindow();
    EXPECT_FALSE(w->OpenCommandLineFile(Path("notes.txt")));
    EXPECT_FALSE(w->OpenCommandLineFile(QString()));
    ASSERT_TRUE(w->OpenCommandLineFile(Path("START.GVT")));
    QCoreApplication::processEvents();
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("START.GVT"));
    EXPECT_EQ(w->Azimuth->Text(), QStringLiteral("180"));
    EXPECT_TRUE(w->Presentation().Shown());
    EXPECT_TRUE(w->HasFileName());
    w->hide();
}

}  // namespace
