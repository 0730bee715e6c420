// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/print_export.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLayout>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QToolBar>
#include <QWidget>
#include <cstdio>

#include "text/output_target.h"
#include "text/whole_file.h"
#include "widgets/error_box.h"
#include "widgets/file_dialogs.h"
#include "widgets/page_breaks.h"
#include "widgets/pdf_text_layer.h"
#include "widgets/pictograms.h"

namespace {

QString Text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// The unit the pages are laid out in: a screen pixel, so that the reports' pixel-sized fonts and
// the charts keep the proportions the window shows.
constexpr double kLayoutDpi = 96.0;
constexpr int kHeaderPixels = 11;  // header and page number
constexpr double kHeaderHeight = 18;
constexpr double kFooterHeight = 18;
constexpr double kBodyGap = 10;
// How far inside a page's edge a line must reach to be drawn on it: the pages are cut where one
// line ends and the next begins.
constexpr double kLineEdge = 0.25;
// A chart is enlarged on paper at most this much, so that a small diagram does not turn coarse.
constexpr double kMaxPictureEnlargement = 1.6;

// A document that could not be drawn; a file that could not be written is said by the one writer
// of whole files (text/whole_file.h).
QString DrawError(const QString& fileName, const char* what) {
    return Text("Не удалось создать файл «%1»: %2")
        .arg(QDir::toNativeSeparators(fileName), Text(what));
}

// Puts the bytes in place whole (flushed and checked) or leaves the old file as it was; "-" (the
// command line's standard output) gets them as they are.
QString ReplaceFile(const QString& fileName, const QByteArray& bytes) {
    if (IsStandardOutput(fileName.toStdString())) {
        const auto size = static_cast<std::size_t>(bytes.size());
        if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0)
            return Text("Не удалось вывести файл на стандартный вывод.");
        return QString();
    }
    return QString::fromStdString(
        ReplaceWholeFile(fileName.toStdString(), std::string(bytes.constData(), bytes.size())));
}

QString PageNumberText(int page, int pages) {
    return Text("Страница %1 из %2").arg(page).arg(pages);
}

// The bands of a page whose printable `area` is in layout units.
QRectF HeaderOf(const QRectF& area) {
    return QRectF(area.left(), area.top(), area.width(), kHeaderHeight);
}
QRectF BodyOf(const QRectF& area) {
    return QRectF(area.left(), area.top() + kHeaderHeight + kBodyGap, area.width(),
                  area.height() - kHeaderHeight - kFooterHeight - 2 * kBodyGap);
}
QRectF FooterOf(const QRectF& area) {
    return QRectF(area.left(), area.bottom() - kFooterHeight, area.width(), kFooterHeight);
}

void PaintFrameOfPage(QPainter& painter, const QRectF& area, const QString& header, int page,
                      int pages) {
    painter.save();
    QFont font = painter.font();
    font.setPixelSize(kHeaderPixels);
    painter.setFont(font);
    painter.setPen(QColor(70, 70, 70));
    const QRectF top = HeaderOf(area).adjusted(0, 0, 0, -4);
    const QString shown =
        painter.fontMetrics().elidedText(header, Qt::ElideRight, static_cast<int>(area.width()));
    painter.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter.setPen(QPen(QColor(150, 150, 150), 0.7));
    painter.drawLine(QPointF(area.left(), area.top() + kHeaderHeight - 2),
                     QPointF(area.right(), area.top() + kHeaderHeight - 2));
    painter.setPen(QColor(70, 70, 70));
    const QRectF bottom = FooterOf(area);
    painter.drawText(bottom, Qt::AlignRight | Qt::AlignBottom, PageNumberText(page, pages));
    painter.restore();
}

void PaintPicture(QPainter& painter, const QRectF& body, const Picture& picture) {
    if (picture.size.isEmpty() || !picture.paint) return;
    const double scale = std::min({body.width() / picture.size.width(),
                                   body.height() / picture.size.height(), kMaxPictureEnlargement});
    painter.save();
    painter.translate(body.left() + (body.width() - picture.size.width() * scale) / 2, body.top());
    painter.scale(scale, scale);
    painter.setClipRect(QRect(QPoint(0, 0), picture.size));
    picture.paint(painter);
    painter.restore();
}

}  // namespace

Picture WidgetPicture(QWidget& widget) {
    if (widget.layout()) widget.layout()->activate();
    return {widget.size(), [&widget](QPainter& painter) {
                widget.render(&painter, QPoint(), QRegion(),
                              QWidget::DrawWindowBackground | QWidget::DrawChildren);
            }};
}

QPageLayout DocumentPageLayout(const QLocale& locale) {
    const QPageSize size(locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                 : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

PageBands DocumentPageBands(const QPageLayout& layout) {
    const QRectF paper = layout.paintRect(QPageLayout::Point);
    const double units = kLayoutDpi / 72.0;
    const QRectF area(0, 0, paper.width() * units, paper.height() * units);
    const auto onPaper = [&](const QRectF& r) {
        return QRectF(paper.left() + r.left() / units, paper.top() + r.top() / units,
                      r.width() / units, r.height() / units);
    };
    return {onPaper(HeaderOf(area)), onPaper(BodyOf(area)), onPaper(FooterOf(area))};
}

std::shared_ptr<const QTextDocument> CopyOfText(const QTextDocument& text) {
    std::shared_ptr<QTextDocument> copy(text.clone());
    copy->setDefaultFont(text.defaultFont());
    return copy;
}

int PaintDocument(QPagedPaintDevice& device, const PrintDocument& document) {
    QPainter painter;
    if (!painter.begin(&device)) return 0;
    const double scale = device.logicalDpiX() / kLayoutDpi;
    painter.scale(scale, scale);
    const QRectF area(0, 0, device.width() / scale, device.height() / scale);
    const QRectF body = BodyOf(area);

    // The text is laid out anew on a copy as one long sheet in the units of the screen, and cut
    // into pages between its lines (page_breaks.h).
    std::unique_ptr<QTextDocument> text;
    std::vector<PageSpan> textPages;
    if (document.text) {
        text.reset(document.text->clone());
        text->setDefaultFont(document.text->defaultFont());
        text->setTextWidth(body.width());
        textPages = CutIntoPages(*text, body.height());
    }
    const int pages = static_cast<int>(document.pictures.size() + textPages.size());
    int page = 0;
    auto nextPage = [&] {
        if (page > 0) device.newPage();
        ++page;
        PaintFrameOfPage(painter, area, document.header, page, pages);
    };
    for (const Picture& picture : document.pictures) {
        nextPage();
        PaintPicture(painter, body, picture);
    }
    for (const PageSpan& span : textPages) {
        nextPage();
        painter.save();
        painter.translate(body.left(), body.top() - span.top);
        const QRectF view(0, span.top, body.width(), span.bottom - span.top);
        painter.setClipRect(view);
        // The lines of the neighbouring pages only touch the page: the layout draws none of
        // them, so that the text layer holds what the page shows and nothing under its header.
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = view.adjusted(0, kLineEdge, 0, -kLineEdge);
        context.palette.setColor(QPalette::Text, Qt::black);
        text->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    if (pages == 0) nextPage();  // an empty document still gives a page with its header
    painter.end();
    return std::max(pages, 1);
}

namespace {

// The document as PDF bytes on pages of `layout`; empty when nothing could be painted.
QByteArray PdfBytes(const PrintDocument& document, const QPageLayout& layout, int resolution) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setResolution(resolution);
        writer.setTitle(document.header);
        writer.setCreator(QStringLiteral("Gavrosin"));
        if (PaintDocument(writer, document) == 0) return QByteArray();
    }
    MendTextLayer(bytes);
    return bytes;
}

}  // namespace

QString WritePdfFile(const PrintDocument& document, const QString& fileName) {
    const QByteArray bytes = PdfBytes(document, DocumentPageLayout(QLocale()), 300);
    if (bytes.isEmpty()) return DrawError(fileName, "PDF не сформирован.");
    return ReplaceFile(fileName, bytes);
}

QString WritePngFile(const Picture& picture, const QString& fileName) {
    if (picture.size.isEmpty()) return DrawError(fileName, "изображение пусто.");
    QImage image(picture.size * kPictureScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kPictureScale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        picture.paint(painter);
    }
    image.setDevicePixelRatio(1);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return DrawError(fileName, "PNG не сформирован.");
    return ReplaceFile(fileName, bytes);
}

namespace {

void PreparePrinter(QPrinter& printer, const PrintDocument& document) {
    printer.setPageLayout(DocumentPageLayout(QLocale()));
    printer.setDocName(document.header);
}

}  // namespace

void PrintWithDialog(QWidget* parent, const PrintDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, document);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(Text("Печать"));
    if (dialog.exec() != QDialog::Accepted) return;
    PrintChosen(parent, printer, document);
}

void PrintChosen(QWidget* parent, QPrinter& printer, const PrintDocument& document) {
    // "Печать в файл (PDF)": the printer would write the file itself, truncating the old one on
    // a full disk without a word. The same pages go through the checked writer instead.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QString fileName = printer.outputFileName();
        const QByteArray bytes = PdfBytes(document, printer.pageLayout(), printer.resolution());
        const QString error = bytes.isEmpty() ? DrawError(fileName, "PDF не сформирован.")
                                              : ReplaceFile(fileName, bytes);
        if (!error.isEmpty()) ShowErrorBox(parent, error);
        return;
    }
    PaintDocument(printer, document);
}

void PreviewDocument(QWidget* parent, const PrintDocument& document) {
    QPrinter printer(QPrinter::HighResolution);
    PreparePrinter(printer, document);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(Text("Предварительный просмотр"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&document](QPrinter* target) { PaintDocument(*target, document); });
    dialog.resize(760, 900);
    dialog.exec();
}

bool ExportPdfWithDialog(QWidget* parent, const PrintDocument& document,
                         const QString& proposedName) {
    const QString fileName = AskFileName(parent, {FileDialogKind::Save, QStringLiteral("(*.pdf)"),
                                                  QStringLiteral("pdf"), proposedName});
    if (fileName.isEmpty()) return false;
    const QString error = WritePdfFile(document, fileName);
    if (!error.isEmpty()) {
        ShowErrorBox(parent, error);
        return false;
    }
    return true;
}

namespace {

// A file name from a caption: the characters file systems refuse become blanks.
QString ProposedName(QString caption) {
    for (QChar& c : caption)
        if (QStringLiteral("\\/:*?\"<>|").contains(c)) c = QLatin1Char(' ');
    return caption.simplified();
}

QAction* NewAction(QWidget& owner, const char* caption, const QIcon& icon) {
    return new QAction(icon, Text(caption), &owner);
}

}  // namespace

PrintActions AddPrintActions(QMainWindow& window, QMenu& menu, QAction* before,
                             std::function<PrintDocument()> document) {
    PrintActions a{};
    a.print = NewAction(window, "Печать...", GenericIcon(GenericCommand::Print));
    a.print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    a.preview =
        NewAction(window, "Предварительный просмотр", GenericIcon(GenericCommand::PrintPreview));
    a.pdf = NewAction(window, "Экспорт в PDF...",
                      window.style()->standardIcon(QStyle::SP_DialogSaveButton));
    QWidget* parent = &window;
    QObject::connect(a.print, &QAction::triggered, &window,
                     [parent, document] { PrintWithDialog(parent, document()); });
    QObject::connect(a.preview, &QAction::triggered, &window,
                     [parent, document] { PreviewDocument(parent, document()); });
    QObject::connect(a.pdf, &QAction::triggered, &window, [parent, document] {
        const PrintDocument d = document();
        ExportPdfWithDialog(parent, d, ProposedName(parent->windowTitle()));
    });
    menu.insertActions(before, {a.print, a.preview, a.pdf});
    menu.insertSeparator(before);
    QToolBar* bar = window.addToolBar(Text("Печать"));
    bar->setObjectName(QStringLiteral("PrintToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(16, 16));
    bar->addActions({a.print, a.preview, a.pdf});
    return a;
}

PictureActions AddPictureActions(QWidget& owner, QMenu* menu, QAction* before,
                                 std::function<Picture()> picture, std::function<QString()> header,
                                 std::function<PrintDocument()> document) {
    PictureActions a{};
    a.image = new QAction(Text("Сохранить изображение..."), &owner);
    a.pdf = new QAction(Text("Экспорт в PDF..."), &owner);
    QWidget* parent = &owner;
    QObject::connect(a.image, &QAction::triggered, &owner, [parent, picture, header] {
        const QString fileName =
            AskFileName(parent, {FileDialogKind::Save, QStringLiteral("(*.png)"),
                                 QStringLiteral("png"), ProposedName(header())});
        if (fileName.isEmpty()) return;
        const QString error = WritePngFile(picture(), fileName);
        if (!error.isEmpty()) ShowErrorBox(parent, error);
    });
    QObject::connect(a.pdf, &QAction::triggered, &owner, [parent, picture, header, document] {
        PrintDocument d;
        if (document) {
            d = document();
        } else {
            d.header = header();
            d.pictures.push_back(picture());
        }
        ExportPdfWithDialog(parent, d, ProposedName(header()));
    });
    if (menu) {
        menu->insertActions(before, {a.image, a.pdf});
    } else {
        if (owner.contextMenuPolicy() == Qt::DefaultContextMenu)
            owner.setContextMenuPolicy(Qt::ActionsContextMenu);
        owner.addActions({a.image, a.pdf});
    }
    return a;
}
