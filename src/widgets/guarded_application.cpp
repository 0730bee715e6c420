// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/guarded_application.h"

#include <exception>
#include <new>

#include "widgets/error_box.h"

namespace {

bool g_reporting = false;

void Report(const QString& what) {
    // The box itself is made of events: a second error while it opens is not told again.
    if (g_reporting) return;
    g_reporting = true;
    ShowErrorBox(nullptr, QStringLiteral("Действие не выполнено: %1. Программа продолжает "
                                         "работу; сохраните несохраненные данные.")
                              .arg(what));
    g_reporting = false;
}

}  // namespace

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc&) {
        Report(QStringLiteral("не хватило памяти"));
    } catch (const std::exception& e) {
        Report(QStringLiteral("внутренняя ошибка программы (%1)").arg(QString::fromUtf8(e.what())));
    } catch (...) {
        Report(QStringLiteral("внутренняя ошибка программы"));
    }
    return false;
}
