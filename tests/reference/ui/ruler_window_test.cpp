// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/ruler_window.h"

#include <gtest/gtest.h>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest/QTest>

#include "app/main_window.h"
#include "reference/ui/reference_test_folder.h"

namespace {

class RulerWindowTest : public ReferenceFolderTest {
protected:
    static int MarkerAt(const TFormLine& ruler) { return ruler.Marker->x() - ruler.Ruler->x(); }
};

TEST_F(RulerWindowTest, CreatedWithItsCaptionPictureAndTheMarkerAtTheLeftEdge) {
    TFormLine ruler;
    EXPECT_EQ(ruler.windowTitle(), QString::fromUtf8("Геомантическая линейка"));
    EXPECT_EQ(ruler.LabelUnit->text(), QString::fromUtf8("мм"));
    EXPECT_EQ(ruler.width(), 542);
    EXPECT_EQ(ruler.minimumSize(), ruler.maximumSize());
    EXPECT_EQ(ruler.EditLength->text(), QStringLiteral("0"));
    EXPECT_EQ(ruler.EditLength->maxLength(), 4);
    EXPECT_TRUE(ruler.PictureErrors().isEmpty());
    EXPECT_EQ(ruler.Ruler->pixmap().size(), QSize(432, 20));
    EXPECT_EQ(ruler.Ruler->x(), kRulerLeft);
    EXPECT_EQ(MarkerAt(ruler), 0);
    EXPECT_EQ(ruler.Marker->size(), QSize(1, 30));
    EXPECT_TRUE(ruler.LabelVerdict->text().isEmpty());
    EXPECT_TRUE(ruler.LabelVerdict->font().bold());
}

// Typed key by key: "-" alone is a number being typed; "+20" is 20.
TEST_F(RulerWindowTest, SignsTypedKeyByKeyNeverLeaveAStrayZero) {
    TFormLine ruler;
    ruler.show();
    ruler.EditLength->selectAll();
    QTest::keyClicks(ruler.EditLength, QStringLiteral("+20"));
    EXPECT_EQ(ruler.EditLength->text(), QStringLiteral("20"));
    EXPECT_EQ(MarkerAt(ruler), 20);
}

TEST_F(RulerWindowTest, TheLengthIsFoldedMarkedAndNamed) {
    struct Case {
        const char* typed;
        int marker;
        const char* verdict;
    };
    const Case cases[] = {
        {"13", 13, "Финансовый успех"},  {"14", 14, "Покой, наполненный ценностями"},
        {"215", 215, "Хорошее будущее"}, {"216", 216, "Успешная сдача экзаменов"},
        {"432", 432, "Преуспевание"},    {"433", 1, "Финансовый успех"},
        {"9999", 63, "Денежные потери"}, {"0", 0, ""},
    };
    TFormLine ruler;
    for (const Case& c : cases) {
        ruler.EditLength->setText(QString::fromUtf8(c.typed));
        EXPECT_EQ(MarkerAt(ruler), c.marker) << c.typed;
        EXPECT_EQ(ruler.LabelVerdict->text(), QString::fromUtf8(c.verdict)) << c.typed;
        EXPECT_EQ(ruler.EditLength->text(), QString::fromUtf8(c.typed));
    }
}

// A fraction or a negative length is refused where it is typed: the field stays as typed and
// turns pink, the verdict says why, the marker stays on the last length (not a silent 5 or 0).
TEST_F(RulerWindowTest, AFractionOrANegativeLengthIsRefusedVisibly) {
    TFormLine ruler;
    for (const char* typed : {"43.5", "-5", "abc"}) {
        ruler.EditLength->setText(QStringLiteral("100"));
        ASSERT_EQ(MarkerAt(ruler), 100);
        ruler.EditLength->setText(QString::fromUtf8(typed));
        EXPECT_EQ(ruler.EditLength->text(), QString::fromUtf8(typed));
        EXPECT_EQ(MarkerAt(ruler), 100) << typed;
        EXPECT_TRUE(ruler.LabelVerdict->text().contains(QString::fromUtf8("не принято"))) << typed;
        EXPECT_FALSE(ruler.EditLength->styleSheet().isEmpty()) << typed;
        // Read whole: the message wraps within its label ("…от 0 до 9" was all one line showed).
        const QLabel* verdict = ruler.LabelVerdict;
        const QRect needed = verdict->fontMetrics().boundingRect(
            QRect(0, 0, verdict->width(), 1000), Qt::TextWordWrap, verdict->text());
        EXPECT_LE(needed.height(), verdict->height()) << typed;
        EXPECT_LE(needed.width(), verdict->width()) << typed;
    }
    ruler.EditLength->setText(QStringLiteral("14"));
    EXPECT_TRUE(ruler.EditLength->styleSheet().isEmpty());
    EXPECT_EQ(MarkerAt(ruler), 14);
    ruler.EditLength->setText(QString());  // cleared to type anew: nothing to refuse
    EXPECT_TRUE(ruler.EditLength->styleSheet().isEmpty());
}

TEST_F(RulerWindowTest, TheUpDownStepsWithinItsRange) {
    TFormLine ruler;
    ruler.UpDownLess->click();
    EXPECT_EQ(ruler.EditLength->text(), QStringLiteral("0"));
    ruler.UpDownMore->click();
    EXPECT_EQ(ruler.EditLength->text(), QStringLiteral("1"));
    EXPECT_EQ(MarkerAt(ruler), 1);
    ruler.EditLength->setText(QStringLiteral("9999"));
    ruler.UpDownMore->click();
    EXPECT_EQ(ruler.EditLength->text(), QStringLiteral("9999"));
    ruler.UpDownLess->click();
    EXPECT_EQ(ruler.EditLength->text(), QStringLiteral("9998"));
    EXPECT_EQ(MarkerAt(ruler), 9998 - 23 * 432);
}

TEST_F(RulerWindowTest, AMissingPictureIsReportedAndTheRulerStillWorks) {
    QTemporaryDir empty;
    SetProgramFolder(empty.path());
    TFormLine ruler;
    ASSERT_EQ(ruler.PictureErrors().size(), 1);
    EXPECT_TRUE(ruler.PictureErrors()[0].contains(QStringLiteral("line.bmp")));
    ruler.EditLength->setText(QStringLiteral("14"));
    EXPECT_EQ(ruler.LabelVerdict->text(), QString::fromUtf8("Покой, наполненный ценностями"));
}

TEST_F(RulerWindowTest, TheMainWindowOpensItAndKeepsItsPlace) {
    {
        TFormMainGVR w;
        w.show();
        TFormLine* ruler = w.findChild<TFormLine*>();
        ASSERT_NE(ruler, nullptr);
        EXPECT_FALSE(ruler->isVisible());
        w.Commands().Action(Command::Ruler)->trigger();
        EXPECT_TRUE(ruler->isVisible());
        ruler->move(40, 60);
        w.close();
    }
    const auto store = OpenSettingsStore();
    EXPECT_EQ(store->value("Table8/Left").toInt(), 40);
    EXPECT_EQ(store->value("Table8/Top").toInt(), 60);
    EXPECT_TRUE(store->value("Table8/Visible").toBool());
    EXPECT_FALSE(store->contains("Table8/Width"));

    TFormMainGVR next;
    next.show();
    TFormLine* ruler = next.findChild<TFormLine*>();
    EXPECT_TRUE(ruler->isVisible());
    EXPECT_EQ(ruler->pos(), QPoint(40, 60));
}

}  // namespace
