// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/help_viewer.h"

#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "widgets/error_box.h"
#include "widgets/screen_fit.h"
#include "widgets/tool_window.h"

QTextBrowser* ShowHelpWindow(QWidget* owner, const QString& page) {
    if (!QFileInfo::exists(page)) {
        ShowErrorBox(owner, QString::fromUtf8("Не удалось открыть справку «%1»: файла нет. "
                                              "Установите программу заново.")
                                .arg(QDir::toNativeSeparators(page)));
        return nullptr;
    }
    static QPointer<TToolWindow> window;
    if (!window) {
        window = new TToolWindow(owner);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QString::fromUtf8("Справка"));
        auto* browser = new QTextBrowser(window);
        browser->setOpenExternalLinks(true);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(browser);
        window->resize(720, 560);
        KeepOnScreen(*window);
    }
    auto* browser = window->findChild<QTextBrowser*>();
    browser->setSource(QUrl::fromLocalFile(QFileInfo(page).absoluteFilePath()));
    window->Present();
    return browser;
}
