// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/context_help.h"

#include <QApplication>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include "widgets/help_window.h"

namespace {

class F1Filter : public QObject {
public:
    F1Filter(QObject* owner, HelpPageOf pageOf) : QObject(owner), pageOf_(std::move(pageOf)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress ||
            static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
            static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        QWidget* window = widget->window();
        // The help window's own F1 leaves it where it is.
        if (qobject_cast<THelpWindow*>(window)) return true;
        ShowHelpPage(window, ContextHelpPage(*window, pageOf_));
        return true;
    }

private:
    HelpPageOf pageOf_;
};

}  // namespace

void InstallContextHelp(QObject* owner, HelpPageOf pageOf) {
    qApp->installEventFilter(new F1Filter(owner, std::move(pageOf)));
}

QString ContextHelpPage(const QWidget& window, const HelpPageOf& pageOf) {
    for (const QWidget* w = &window; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        const QString page = pageOf(*w);
        if (!page.isEmpty()) return page;
    }
    return QStringLiteral("index.html");
}
