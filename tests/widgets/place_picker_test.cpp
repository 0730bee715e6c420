// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/place_picker.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest/QTest>

#include "support/shell_test.h"

namespace {

class PlacePickerTest : public ShellTest {
protected:
    const PlaceTable& Table() {
        QString error;
        const PlaceTable* table =
            PlaceTable::Shared(DataPath(QStringLiteral("\\places.tsv.z")), &error);
        if (!table) ADD_FAILURE() << error.toStdString();
        return *table;
    }
};

TEST_F(PlacePickerTest, TypingSearchesTheKeyboardChoosesAndEnterTakesThePlace) {
    PlacePicker picker(Table(), QStringLiteral("Место"));
    picker.show();
    // Typed in Latin, key by key (the test keyboard has no Cyrillic keys).
    QTest::keyClicks(picker.SearchEdit, QStringLiteral("mosk"));
    ASSERT_GT(picker.Results->count(), 1);
    // The capital first (the most populous of the name matches), captioned with its coordinates.
    EXPECT_EQ(
        picker.Results->item(0)->text(),
        QString::fromUtf8("Москва, Россия (55.75° с.ш., 37.62° в.д.)"));  // GeoNames: 55.75222
    // Only the beginning of a name: nothing is chosen for the user, and the hint says why.
    EXPECT_EQ(picker.Results->currentRow(), -1);
    EXPECT_FALSE(picker.SelectedPlace());
    EXPECT_TRUE(picker.Hint->text().contains(QString::fromUtf8("только часть названия")));

    // The arrows move through the results without leaving the field.
    QTest::keyClick(picker.SearchEdit, Qt::Key_Down);
    EXPECT_EQ(picker.Results->currentRow(), 0);
    EXPECT_EQ(picker.SelectedPlace()->timeZone, "Europe/Moscow");
    QTest::keyClick(picker.SearchEdit, Qt::Key_Down);
    EXPECT_EQ(picker.Results->currentRow(), 1);
    EXPECT_TRUE(picker.SearchEdit->hasFocus() || !picker.isActiveWindow());
    QTest::keyClick(picker.SearchEdit, Qt::Key_Up);
    EXPECT_EQ(picker.Results->currentRow(), 0);
    QTest::keyClick(picker.SearchEdit, Qt::Key_Return);
    EXPECT_EQ(picker.result(), QDialog::Accepted);

    // Russian with ё/е ignored, Latin with accents dropped, and a text that matches nothing.
    picker.SearchEdit->setText(QString::fromUtf8("орёл"));
    ASSERT_GT(picker.Results->count(), 0);
    EXPECT_EQ(picker.Results->item(0)->text().left(4), QString::fromUtf8("Орел"));
    picker.SearchEdit->setText(QStringLiteral("sao paulo"));
    ASSERT_GT(picker.Results->count(), 0);
    EXPECT_EQ(picker.SelectedPlace()->timeZone, "America/Sao_Paulo");
    // The rule of the command line: a name many villages share is not a choice; a former name is
    // taken and said.
    picker.SearchEdit->setText(QString::fromUtf8("Александровка"));
    EXPECT_GT(picker.Results->count(), 1);
    EXPECT_FALSE(picker.SelectedPlace());
    EXPECT_TRUE(picker.Hint->text().contains(QString::fromUtf8("несколько мест")));
    picker.SearchEdit->setText(QString::fromUtf8("Свердловск"));
    EXPECT_EQ(picker.SelectedPlace()->latinName, "Yekaterinburg");
    EXPECT_TRUE(picker.Hint->text().endsWith(QString::fromUtf8("«Свердловск» — это Екатеринбург")));
    picker.SearchEdit->setText(QStringLiteral("qqqxqqq"));
    EXPECT_EQ(picker.Results->count(), 0);
    EXPECT_FALSE(picker.SelectedPlace());
    EXPECT_EQ(picker.Hint->text(), QString::fromUtf8("Ничего не найдено"));
}

}  // namespace
