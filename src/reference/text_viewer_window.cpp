#include "reference/text_viewer_window.h"

#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QSaveFile>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/error_box.h"
#include "app/program_folder.h"
#include "app/rich_text_document.h"
#include "app/window_cascade.h"
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"

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

void SetPagePath(const QString& path) { PagePathStore() = path; }
QString PagePath() { return PagePathStore(); }

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

    auto* central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette white = central->palette();
    white.setColor(QPalette::Window, Qt::white);
    central->setPalette(white);
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
    const QString fileName = DataPath(page_);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        ReportError(QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ReportError(QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, file.errorString()));
        return false;
    }
    FillTextDocument(*RichEdit->document(), ReadRtf(bytes.toStdString()));
    RichEdit->moveCursor(QTextCursor::Start);
    lastError_.clear();
    return true;
}

bool TFormText::SaveAsRtf(const QString& fileName) {
    const std::string rtf = WriteRtf(RichDocumentOf(*RichEdit->document()));
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(rtf.data(), static_cast<qint64>(rtf.size())) != static_cast<qint64>(rtf.size()) ||
        !file.commit()) {
        ReportError(QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString()));
        return false;
    }
    lastError_.clear();
    return true;
}

void TFormText::SaveAsClick() {
    QFileDialog dialog(this);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("(*.rtf)"));
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveAsRtf(dialog.selectedFiles().first());
}

void TFormText::ReportError(const QString& message) {
    lastError_ = message;
    ShowErrorBox(this, message);
}
