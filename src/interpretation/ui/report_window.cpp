// SPDX-License-Identifier: GPL-3.0-or-later
#include "interpretation/ui/report_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "widgets/error_box.h"
#include "widgets/file_dialogs.h"
#include "widgets/print_export.h"
#include "widgets/rich_text_document.h"
#include "widgets/rich_text_file.h"
#include "widgets/window_cascade.h"

namespace {

const char* const kRtfFilter = "(*.rtf)";

int ScreenHeight(const QWidget& w) {
    const QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

// Points to the pixels of the text area (96 per inch).
qreal PointsToPixels(double points) {
    return points * 96.0 / 72.0;
}

// First-line indent 6 pt, left indent 0, right indent 3 pt for every paragraph of the report.
void IndentParagraphs(QTextDocument& doc) {
    QTextCursor cursor(&doc);
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        cursor.setPosition(block.position());
        QTextBlockFormat format = block.blockFormat();
        format.setTextIndent(PointsToPixels(kReportFirstLineIndentPt));
        format.setLeftMargin(0);
        format.setRightMargin(PointsToPixels(kReportRightIndentPt));
        cursor.setBlockFormat(format);
    }
}

}  // namespace

void FillReportText(QTextDocument& target, ReportDocument document) {
    document.InsertEmptyAtTop();
    FillTextDocument(target, ToRichDocument(document));
    IndentParagraphs(target);
}

WindowCascade& CascadeOffset() {
    static WindowCascade cascade(QPoint(17, 113));
    return cascade;
}

TFormFHInter::TFormFHInter(ReportBuilder build, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint), build_(std::move(build)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromUtf8("Интерпретация геомантической таблицы"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    QMenu* file = menuBar()->addMenu(QString::fromUtf8("Файл"));
    OpenAction = file->addAction(QString::fromUtf8("Открыть"));
    OpenAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    SaveAsAction = file->addAction(QString::fromUtf8("Сохранить как..."));
    SaveAsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    CloseAction = file->addAction(QString::fromUtf8("Закрыть"));
    CloseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    connect(OpenAction, &QAction::triggered, this, &TFormFHInter::OpenClick);
    connect(SaveAsAction, &QAction::triggered, this, &TFormFHInter::SaveAsClick);
    connect(CloseAction, &QAction::triggered, this, &QWidget::close);
    PrintCommands = AddPrintActions(*this, *file, CloseAction, [this] { return PrintedReport(); });

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setReadOnly(true);
    RichEdit1->setFrameShape(QFrame::NoFrame);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont base(QString::fromUtf8(kReportFontName));
    base.setPixelSize(13);
    RichEdit1->setFont(base);
    RichEdit1->document()->setDefaultFont(base);
    setCentralWidget(RichEdit1);

    StatusBar1 = new QStatusBar(this);
    StatusPanel = new QLabel(StatusBar1);
    StatusPanel->setMinimumWidth(50);
    StatusBar1->addWidget(StatusPanel, 1);
    // No grip in the corner: at the window's first size the status line of a table (a
    // three-digit azimuth and two dates) is seen to its end.
    StatusBar1->setSizeGripEnabled(false);
    setStatusBar(StatusBar1);

    resize(548, 373);
    move(CascadeOffset().NextPlace(ScreenHeight(*this), height()));
}

void TFormFHInter::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Built once, when the window opens; showing it again (after minimising) keeps what it shows.
    if (built_ || event->spontaneous()) return;
    built_ = true;
    mode_ = CurrentReportMode();
    BuildReport();
}

// The frame common to both reports: the area is hidden while it is filled, the paragraphs are
// indented, the empty first paragraph goes on top, and only a complete report is shown.
bool TFormFHInter::BuildReport() {
    built_ = true;
    RichEdit1->hide();
    RichEdit1->clear();
    ReportContent content = build_ ? build_() : ReportContent();
    if (!content.caption.empty()) setWindowTitle(QString::fromStdString(content.caption));
    if (content.statusText) StatusPanel->setText(QString::fromStdString(*content.statusText));
    if (!content.error.empty()) {
        ReportError(QString::fromStdString(content.error));
        return false;
    }
    FillReportText(*RichEdit1->document(), std::move(content.document));
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->show();
    lastError_.clear();
    return true;
}

bool TFormFHInter::OpenFile(const QString& fileName) {
    QString error;
    const auto doc = ReadRichTextFile(fileName, error);
    if (!doc) {
        ReportError(error);
        return false;
    }
    FillTextDocument(*RichEdit1->document(), *doc);
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->show();
    lastError_.clear();
    return true;
}

bool TFormFHInter::SaveAsRtf(const QString& fileName) {
    const QString error = WriteRtfFile(RichDocumentOf(*RichEdit1->document()), fileName);
    if (!error.isEmpty()) {
        ReportError(error);
        return false;
    }
    lastError_.clear();
    return true;
}

void TFormFHInter::OpenClick() {
    const QString fileName =
        AskFileName(this, {FileDialogKind::Open, QString::fromLatin1(kRtfFilter), QString()});
    if (!fileName.isEmpty()) OpenFile(fileName);
}

void TFormFHInter::SaveAsClick() {
    const QString fileName = AskFileName(
        this, {FileDialogKind::Save, QString::fromLatin1(kRtfFilter), QStringLiteral("rtf")});
    if (!fileName.isEmpty()) SaveAsRtf(fileName);
}

PrintDocument TFormFHInter::PrintedReport() const {
    PrintDocument document;
    document.header = windowTitle();
    if (!StatusPanel->text().isEmpty())
        document.header += QStringLiteral(" — ") + StatusPanel->text();
    document.text = CopyOfText(*RichEdit1->document());
    return document;
}

void TFormFHInter::ReportError(const QString& message) {
    lastError_ = message;
    ShowErrorBox(this, message);
}
