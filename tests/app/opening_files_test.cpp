// SPDX-License-Identifier: GPL-3.0-or-later
// Files handed to the running program: one that is missing, a pipe, a device or far too large is
// told in a box and opens nothing, at once; an error escaping an event is told and the program
// stays up.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <new>

#include "app/main_window.h"
#include "geomancy/ui/geomantic_table_window.h"
#include "person/person_file.h"
#include "person/ui/people_window.h"
#include "support/shell_test.h"
#include "support/unreadable_files.h"

namespace {

class OpeningFilesTest : public ShellTest {};

// The texts of the error boxes on screen, which are closed.
QStringList TakeBoxes() {
    QStringList texts;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(top); box && box->isVisible()) {
            texts.append(box->text());
            box->close();
        }
    }
    return texts;
}

int PersonWindowsShown() {
    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        shown += qobject_cast<TFormPeople*>(top) && top->isVisible();
    return shown;
}

TEST_F(OpeningFilesTest, AHandedFileThatCannotBeOpenedOpensNothing) {
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.gvp"));
    UnreadableFiles bad;
    ASSERT_NO_FATAL_FAILURE(bad.MakeIn(dir));
    const QString table = dir.filePath(QStringLiteral("fifo.gvt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(table).constData(), 0600), 0);

    TFormMainGVR running;
    running.show();  // the windows of the last session are back before any file comes
    TakeBoxes();
    const int personWindows = PersonWindowsShown();
    const bool tableShown = running.FormFh()->isVisible();
    for (const QString& path : {missing, bad.fifo, bad.zero, bad.large, table}) {
        SCOPED_TRACE(path.toStdString());
        // The second time with a person being edited: no second window is left behind either.
        for (const bool edited : {false, true}) {
            if (edited) running.FormPeople()->EditNamePeople->setText(QStringLiteral("Иван"));
            running.OpenHandedFiles({path});
            const QStringList boxes = TakeBoxes();
            ASSERT_EQ(boxes.size(), 1);
            EXPECT_TRUE(boxes[0].contains(QFileInfo(path).fileName() + QStringLiteral("»")))
                << boxes[0].toStdString();
            EXPECT_EQ(PersonWindowsShown(), personWindows);
            EXPECT_EQ(running.FormFh()->isVisible(), tableShown);
            EXPECT_FALSE(running.FormFh()->HasFileName());
            EXPECT_FALSE(running.FormPeople()->FileBound());
        }
        running.FormPeople()->ForgetChanges();
    }
}

TEST_F(OpeningFilesTest, ANameLongerThanTheNameBoxIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.gvp"));
    Person p;
    p.birth = 40000;
    p.name = std::string(40000, 'x');
    SavePersonFile(path.toStdString(), p, ',');
    TFormMainGVR running;
    TakeBoxes();
    EXPECT_FALSE(running.FormPeople()->LoadFile(path));
    const QStringList boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("имя в нем длиннее"))) << boxes[0].toStdString();
    EXPECT_EQ(running.FormPeople()->EditNamePeople->text(), QString());
}

class Throwing : public QObject {
public:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::bad_alloc();
        return QObject::event(e);
    }
};

TEST_F(OpeningFilesTest, AnErrorEscapingAnEventIsToldAndTheProgramStaysUp) {
    Throwing target;
    QEvent event(QEvent::User);
    EXPECT_NO_THROW(QCoreApplication::sendEvent(&target, &event));
    const QStringList boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("не хватило памяти"))) << boxes[0].toStdString();
}

}  // namespace
