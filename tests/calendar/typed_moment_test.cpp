// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/typed_moment.h"

#include <gtest/gtest.h>

namespace {

const QLocale kRussian(QLocale::Russian, QLocale::Russia);

QString U(const char* s) {
    return QString::fromUtf8(s);
}

// Every usual way of writing 15 May 1990 is that date.
TEST(TypedDate, EveryUsualFormIsTheDateTyped) {
    for (const char* typed :
         {"15.05.1990", "15051990", "15 мая 1990", "15 05 1990", "1990-05-15", "15 МАЯ 1990 г.",
          "15 май 1990", "15 Май. 1990", "15/5/1990", "19900515", "1990 мая 15"}) {
        const TypedDate d = ReadTypedDate(U(typed), kRussian);
        EXPECT_EQ(d.date, QDate(1990, 5, 15)) << typed << " " << d.refusal.toStdString();
        EXPECT_TRUE(d.refusal.isEmpty()) << typed;
    }
    // An English locale reads numbers month first, and its own month names.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ReadTypedDate(U("5/15/1990"), english).date, QDate(1990, 5, 15));
    EXPECT_EQ(ReadTypedDate(U("May 15, 1990"), english).date, QDate(1990, 5, 15));
}

TEST(TypedDate, ATimeAfterTheDateIsRead) {
    const TypedDate d = ReadTypedDate(U("15.05.1990 8:30"), kRussian);
    EXPECT_EQ(d.date, QDate(1990, 5, 15));
    EXPECT_EQ(d.time, QTime(8, 30));
    EXPECT_FALSE(d.withSeconds);
    EXPECT_TRUE(ReadTypedDate(U("15.05.1990"), kRussian).time.isNull());
}

// What is no date is refused with its reason, never read as a neighbouring date.
TEST(TypedDate, WhatIsNoDateIsRefused) {
    for (const char* typed : {"31.02.1990", "15.13.1990", "15.05.90", "150590", "15.05",
                              "15 мартобря 1990", "15#05#1990", "1505", "15.05.1990 25:00"}) {
        const TypedDate d = ReadTypedDate(U(typed), kRussian);
        EXPECT_FALSE(d.date.isValid()) << typed << " → " << d.date.toString().toStdString();
        EXPECT_FALSE(d.refusal.isEmpty()) << typed;
    }
    EXPECT_EQ(ReadTypedDate(U("31.02.1990"), kRussian).refusal, U("Такого дня нет: «31.02.1990»"));
    EXPECT_TRUE(ReadTypedDate(U("15.05.90"), kRussian).refusal.startsWith(U("Год пишется")));
}

TEST(TypedTime, EveryUsualFormIsTheTimeTyped) {
    for (const char* typed : {"0830", "830", "8:30", "08.30", "8 30", "08:30"}) {
        const TypedTime t = ReadTypedTime(U(typed));
        EXPECT_EQ(t.time, QTime(8, 30)) << typed;
        EXPECT_FALSE(t.withSeconds) << typed;
    }
    for (const char* typed : {"083015", "8:30:15", "8 30 15"}) {
        EXPECT_EQ(ReadTypedTime(U(typed)).time, QTime(8, 30, 15)) << typed;
        EXPECT_TRUE(ReadTypedTime(U(typed)).withSeconds) << typed;
    }
    for (const char* typed : {"2460", "25:00", "8:30:15:01", "8 ч"})
        EXPECT_FALSE(ReadTypedTime(U(typed)).refusal.isEmpty()) << typed;
}

}  // namespace
