// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Справка": the program's help in a window of its own (a computer may have no web browser):
// contents, index and full-text search on the left, the page on the right with back and forward.
// Esc and Ctrl+W close it. One window serves the whole program; F1 in any window opens it on that
// window's page (ShowHelpPage).
#include <QTextBrowser>
#include <QWidget>

class QAction;
class QHelpEngine;
class QHelpContentWidget;
class QHelpIndexWidget;
class QHelpSearchQueryWidget;
class QHelpSearchResultWidget;
class QLineEdit;
class QTabWidget;

// A text browser that reads "qthelp:" pages from the help engine.
class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    THelpBrowser(QHelpEngine& engine, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QHelpEngine& engine_;
};

class THelpWindow : public QWidget {
    Q_OBJECT
public:
    // `engine` becomes the window's.
    THelpWindow(QHelpEngine* engine, QWidget* parent);

    // Shows `page` ("main.html", "lo_shu.html") and selects it in the contents.
    void ShowPage(const QString& page);

    QHelpEngine* Engine;
    THelpBrowser* Browser;
    QTabWidget* Tabs;
    QHelpContentWidget* Contents;
    QLineEdit* IndexFilter;
    QHelpIndexWidget* Index;
    QHelpSearchQueryWidget* SearchQuery;
    QHelpSearchResultWidget* SearchResults;
    QAction* BackAction;     // "Назад" (Alt+Left)
    QAction* ForwardAction;  // "Вперед" (Alt+Right)
    QAction* HomeAction;     // "Содержание": the first page

private:
    void SelectInContents(const QUrl& url);
};

// Opens (or brings to the front) the help window on `page`. Over a modal dialog the window
// belongs to that dialog, so that it can be used while the dialog is open. A missing or broken
// help is reported in the standard error box and nothing opens (nullptr).
THelpWindow* ShowHelpPage(QWidget* owner, const QString& page);
// Where the help opens: in the middle of the screen below the main window's toolbars (the screen
// y where they end, -1 when there is no main window), so that its date and time stay in sight;
// on a low screen shortened to the room left. The place of the client area, below its title bar.
QRect HelpWindowPlace(const QRect& screen, int belowToolbars, QSize size, int titleBar);
