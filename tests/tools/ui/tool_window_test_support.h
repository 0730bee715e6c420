// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests of the stem and branch tools share: the text viewers and error boxes a
// window opened (each collected and closed, so that one test never sees another's), the text of
// a data page as the viewer would show it, a mouse click and the captions of a list.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QStringList>
#include <QTextEdit>
#include <vector>

#include "support/utf8.h"
#include "text/rtf_reader.h"
#include "widgets/program_folder.h"
#include "widgets/text_viewer_window.h"

// The pages of the text viewers now open, in no particular order; the viewers are closed.
inline QStringList TakeOpenViewerPages() {
    // Collected first: deleting a viewer deletes its menus, which are top-level widgets too.
    std::vector<QPointer<TFormText>> viewers;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* viewer = qobject_cast<TFormText*>(w)) viewers.emplace_back(viewer);
    QStringList pages;
    for (const auto& viewer : viewers) {
        if (!viewer) continue;
        pages << viewer->Page();
        delete viewer.data();
    }
    return pages;
}

// The texts of the error boxes now open; the boxes are closed.
inline QStringList TakeErrorBoxTexts() {
    std::vector<QPointer<QMessageBox>> boxes;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w)) boxes.emplace_back(box);
    QStringList texts;
    for (const auto& box : boxes) {
        if (!box) continue;
        texts << box->text();
        delete box.data();
    }
    return texts;
}

// The first paragraph of a data page ("\other\czang\c1.rtf"), as plain text: its title.
inline QString PageTitle(const QString& pagePath) {
    QFile file(DataPath(pagePath));
    if (!file.open(QIODevice::ReadOnly)) return QString();
    const RichDocument doc = ReadRtf(file.readAll().toStdString());
    return doc.empty() ? QString() : QString::fromStdString(ParagraphText(doc.front()));
}

// A left click inside the widget.
inline void ClickOn(QWidget* w) {
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QCoreApplication::sendEvent(w, &release);
}

inline QStringList ItemCaptions(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

// The trigram list of both trigram windows, in its order.
inline QStringList TrigramListCaptions() {
    QStringList items;
    for (const char* c : {"Цянь", "Кань", "Гэнь", "Чжэнь", "Сюнь", "Ли", "Кунь", "Дуй"})
        items << QString::fromUtf8(c);
    return items;
}
