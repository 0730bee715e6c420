// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Typing text into a widget key by key, Cyrillic too (QTest::keyClicks types Latin-1 only).
#include <QApplication>
#include <QKeyEvent>
#include <QString>
#include <QtTest/QTest>

inline void TypeKeys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
        }
    }
}
