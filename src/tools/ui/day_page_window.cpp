// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/ui/day_page_window.h"

#include <QTextEdit>
#include <QVBoxLayout>

#include "widgets/background_fill.h"
#include "widgets/error_box.h"
#include "widgets/program_folder.h"
#include "widgets/rich_text_document.h"
#include "widgets/rich_text_file.h"

TDayPageWindow::TDayPageWindow(QWidget* parent) : TToolWindow(parent) {
    FillBackground(*this, Qt::white);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 17, 0, 0);  // the white margin at the left, the band above
    RichEdit = new QTextEdit(this);
    RichEdit->setReadOnly(true);
    RichEdit->setFrameShape(QFrame::NoFrame);
    layout->addWidget(RichEdit);
    resize(509, 279);
}

void TDayPageWindow::RefreshIfShowing() {
    if (isVisible()) Refresh();
}

void TDayPageWindow::showEvent(QShowEvent* event) {
    TToolWindow::showEvent(event);
    Refresh();
}

bool TDayPageWindow::LoadPage(const std::string& pagePath) {
    QString error;
    const auto page = ReadRichTextFile(DataPath(QString::fromStdString(pagePath)), error);
    if (!page) {
        RichEdit->clear();
        page_.clear();
        lastError_ = error;
        ShowErrorBox(this, error);
        return false;
    }
    FillTextDocument(*RichEdit->document(), *page);
    RichEdit->moveCursor(QTextCursor::Start);
    page_ = pagePath;
    lastError_.clear();
    return true;
}
