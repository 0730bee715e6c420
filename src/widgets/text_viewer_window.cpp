// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_viewer_window.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "widgets/background_fill.h"
#include "widgets/error_box.h"
#include "widgets/file_dialogs.h"
#include "widgets/print_export.h"
#include "widgets/program_folder.h"
#include "widgets/rich_text_document.h"
#include "widgets/rich_text_file.h"
#include "widgets/window_cascade.h"

namespace {

QString& PagePathStore() {
    static QString path;
    return path;
}

int ScreenHeight(const QWidget& w) {
    const QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

}  // namespace

void SetPagePath(const QString& path) {
    PagePathStore() = path;
}
QString PagePath() {
    return PagePathStore();
}

TFormText::TFormText(QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint), page_(PagePath()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Инфо"));

    QMenu* file = menuBar()->addMenu(QString::fromUtf8("Файл"));
    SaveAsAction = file->addAction(QString::fromUtf8("Сохранить как..."));
    SaveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    CloseAction = file->addAction(QString::fromUtf8("Закрыть"));
    CloseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(SaveAsAction, &QAction::triggered, this, &TFormText::SaveAsClick);
    connect(CloseAction, &QAction::triggered, this, &QWidget::close);
    PrintCommands = AddPrintActions(*this, *file, CloseAction, [this] {
        return PrintDocument{
            windowTitle() + QStringLiteral(" — ") + page_, {}, CopyOfText(*RichEdit->document())};
    });

    auto* central = new QWidget(this);
    FillBackground(*central, Qt::white);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 17, 0, 0);  // the white strip across the top
    layout->setSpacing(0);
    RichEdit = new QTextEdit(central);
    RichEdit->setReadOnly(true);
    RichEdit->setFrameShape(QFrame::NoFrame);
    RichEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(RichEdit);
    setCentralWidget(central);

    resize(474, 390);
    move(TextViewerCascade().NextPlace(ScreenHeight(*this), height()));
}

void TFormText::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!loaded_) {
        loaded_ = true;
        LoadPage();
    }
}

bool TFormText::LoadPage() {
    loaded_ = true;
    RichEdit->clear();
    QString error;
    const auto page = ReadRichTextFile(DataPath(page_), error);
    if (!page) {
        ReportError(error);
        return false;
    }
    FillTextDocument(*RichEdit->document(), *page);
    RichEdit->moveCursor(QTextCursor::Start);
    lastError_.clear();
    return true;
}

bool TFormText::SaveAsRtf(const QString& fileName) {
    const QString error = WriteRtfFile(RichDocumentOf(*RichEdit->document()), fileName);
    if (!error.isEmpty()) {
        ReportError(error);
        return false;
    }
    lastError_.clear();
    return true;
}

void TFormText::SaveAsClick() {
    const QString fileName =
        AskFileName(this, {FileDialogKind::Save, QStringLiteral("(*.rtf)"), QStringLiteral("rtf")});
    if (!fileName.isEmpty()) SaveAsRtf(fileName);
}

void TFormText::ReportError(const QString& message) {
    lastError_ = message;
    ShowErrorBox(this, message);
}
