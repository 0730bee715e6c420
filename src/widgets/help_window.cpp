// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/help_window.h"

#include <QAction>
#include <QApplication>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "widgets/error_box.h"
#include "widgets/help_collection.h"
#include "widgets/screen_fit.h"

THelpBrowser::THelpBrowser(QHelpEngine& engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    setOpenExternalLinks(true);
}

QVariant THelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qthelp")) return engine_.fileData(name);
    return QTextBrowser::loadResource(type, name);
}

namespace {

QWidget* IndexTab(THelpWindow& w) {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 2, 2, 2);
    w.IndexFilter->setPlaceholderText(QString::fromUtf8("Найти в указателе"));
    w.IndexFilter->setClearButtonEnabled(true);
    layout->addWidget(w.IndexFilter);
    layout->addWidget(w.Index);
    QObject::connect(w.IndexFilter, &QLineEdit::textChanged, w.Index,
                     [&w](const QString& text) { w.Index->filterIndices(text); });
    // Enter opens the first entry that matches.
    QObject::connect(w.IndexFilter, &QLineEdit::returnPressed, w.Index,
                     &QHelpIndexWidget::activateCurrentItem);
    return tab;
}

QWidget* SearchTab(THelpWindow& w) {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(w.SearchQuery);
    layout->addWidget(w.SearchResults, 1);
    QHelpSearchEngine* search = w.Engine->searchEngine();
    QObject::connect(w.SearchQuery, &QHelpSearchQueryWidget::search, search,
                     [&w, search] { search->search(w.SearchQuery->searchInput()); });
    return tab;
}

}  // namespace

THelpWindow::THelpWindow(QHelpEngine* engine, QWidget* parent)
    : QWidget(parent, Qt::Window), Engine(engine) {
    setWindowTitle(QString::fromUtf8("Справка"));
    Engine->setParent(this);
    Browser = new THelpBrowser(*Engine, this);
    Contents = Engine->contentWidget();
    Index = Engine->indexWidget();
    IndexFilter = new QLineEdit(this);
    SearchQuery = Engine->searchEngine()->queryWidget();
    SearchResults = Engine->searchEngine()->resultWidget();

    Tabs = new QTabWidget(this);
    Tabs->addTab(Contents, QString::fromUtf8("Содержание"));
    Tabs->addTab(IndexTab(*this), QString::fromUtf8("Указатель"));
    Tabs->addTab(SearchTab(*this), QString::fromUtf8("Поиск"));
    // Every tab whole and in sight: no scroll arrows, no "Соде…"; the panel is as wide as its
    // three captions need.
    Tabs->tabBar()->setUsesScrollButtons(false);
    Tabs->tabBar()->setElideMode(Qt::ElideNone);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    BackAction = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack),
                                QString::fromUtf8("Назад"), Browser, &QTextBrowser::backward);
    BackAction->setShortcut(QKeySequence::Back);
    BackAction->setEnabled(false);
    ForwardAction = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward),
                                   QString::fromUtf8("Вперед"), Browser, &QTextBrowser::forward);
    ForwardAction->setShortcut(QKeySequence::Forward);
    ForwardAction->setEnabled(false);
    HomeAction = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon),
                                QString::fromUtf8("Содержание"), this,
                                [this] { ShowPage(QStringLiteral("index.html")); });
    connect(Browser, &QTextBrowser::backwardAvailable, BackAction, &QAction::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, ForwardAction, &QAction::setEnabled);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addWidget(bar);
    rightLayout->addWidget(Browser, 1);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(Tabs);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setCollapsible(0, false);
    const int panel = std::max(230, Tabs->minimumSizeHint().width());
    splitter->setSizes({panel, 860 - panel});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    const auto show = [this](const QUrl& url) { Browser->setSource(url); };
    connect(Contents, &QHelpContentWidget::linkActivated, this, show);
    connect(Index, &QHelpIndexWidget::documentActivated, this,
            [show](const QHelpLink& link, const QString&) { show(link.url); });
    connect(Index, &QHelpIndexWidget::documentsActivated, this,
            [show](const QList<QHelpLink>& links, const QString&) {
                if (!links.isEmpty()) show(links.front().url);
            });
    connect(SearchResults, &QHelpSearchResultWidget::requestShowLink, this, show);
    connect(Browser, &QTextBrowser::sourceChanged, this, &THelpWindow::SelectInContents);
    // The list of pages open at once, not a single closed "Gavrosin 4.12 — справка".
    connect(Engine->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        Contents->expandToDepth(0);
        SelectInContents(Browser->source());
    });

    for (const QKeySequence& key :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(key, this, nullptr, nullptr, Qt::WindowShortcut),
                &QShortcut::activated, this, &QWidget::close);
    resize(860, 600);
}

void THelpWindow::ShowPage(const QString& page) {
    Browser->setSource(HelpPageUrl(page));
}

void THelpWindow::SelectInContents(const QUrl& url) {
    QUrl page = url;
    page.setFragment(QString());
    const QModelIndex index = Contents->indexOf(page);
    if (index.isValid()) Contents->setCurrentIndex(index);
}

QRect HelpWindowPlace(const QRect& screen, int belowToolbars, QSize size, int titleBar) {
    QRect room = screen;
    if (belowToolbars >= 0)
        room.setTop(std::min(std::max(room.top(), belowToolbars), room.bottom() - 300));
    // The title bar is not part of the size (and not known before the window is shown).
    const int frameRoom = std::max(titleBar, 32);
    QRect place(QPoint(0, 0), size.boundedTo(room.size() - QSize(0, frameRoom)));
    place.moveCenter(room.center());
    place.moveTop(std::max(place.top(), room.top() + frameRoom));
    return place;
}

THelpWindow* ShowHelpPage(QWidget* owner, const QString& page) {
    static QPointer<THelpWindow> window;
    // A modal dialog blocks every window but its own: the help then belongs to the dialog.
    QWidget* modal = QApplication::activeModalWidget();
    // Otherwise it belongs to the program's main window, so that it outlives the tool windows.
    QWidget* wanted = modal;
    for (QWidget* w = owner; !wanted && w; w = w->parentWidget())
        if (!w->parentWidget()) wanted = w->window();
    if (window && modal && window->parentWidget() != modal) delete window;
    if (!window) {
        QString error;
        QHelpEngine* engine = OpenHelpEngine(nullptr, error);
        if (!engine) {
            ShowErrorBox(owner, error);
            return nullptr;
        }
        window = new THelpWindow(engine, wanted);
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (const QScreen* screen = (owner ? owner : window.data())->screen()) {
            int belowToolbars = -1;
            if (const auto* main = qobject_cast<const QMainWindow*>(wanted);
                main && main->isVisible() && main->centralWidget())
                belowToolbars = main->centralWidget()->mapToGlobal(QPoint(0, 0)).y();
            const int titleBar = window->frameGeometry().height() - window->height();
            window->setGeometry(HelpWindowPlace(screen->availableGeometry(), belowToolbars,
                                                window->size(), titleBar));
        }
        KeepOnScreen(*window);
    }
    window->ShowPage(page);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
