// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing, print preview, PDF and pictures of what the windows show: the reports with their
// styles, and the charts drawn by the windows' own painting code (never a grab of the screen).
// Every page carries a header line (what the page is, and the moment or file it was made for)
// and its number; the page size follows the locale (A4 in Russia), the margins are 15 mm.
// Files are written whole or not at all.
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QLocale;
class QMainWindow;
class QMenu;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QTextDocument;
class QWidget;

// A picture drawn by a window's painting code: its size in screen pixels, and the drawing into
// a painter whose coordinates are those pixels (the painter may be scaled, as for a printer).
struct Picture {
    QSize size;
    std::function<void(QPainter&)> paint;
};

// The widget and its children as their paint events draw them. The widget must outlive the picture.
Picture WidgetPicture(QWidget& widget);

// What goes on paper: pictures each on a page of its own, then the text flowed over the
// following pages; every page under the same header line.
struct PrintDocument {
    QString header;
    std::vector<Picture> pictures;
    std::shared_ptr<const QTextDocument> text;  // may be null
};

// A4 (US Letter where the locale measures in US units), portrait, 15 mm margins.
QPageLayout DocumentPageLayout(const QLocale& locale);

// Where a document's page puts its header line, its body and its page number, in points from the
// top left of the paper, as a PDF reader measures them.
struct PageBands {
    QRectF header;
    QRectF body;
    QRectF footer;
};
PageBands DocumentPageBands(const QPageLayout& layout);

// Paints the document onto a printer or PDF writer whose page layout is already set; returns the
// number of pages painted.
int PaintDocument(QPagedPaintDevice& device, const PrintDocument& document);

// Writes the document as a PDF file, replacing `fileName` whole or not at all (through
// ReplaceWholeFile). "" or the error message the user sees.
QString WritePdfFile(const PrintDocument& document, const QString& fileName);
// Writes the picture as PNG at twice its screen size, whole or not at all. "" or the error message.
inline constexpr int kPictureScale = 2;
QString WritePngFile(const Picture& picture, const QString& fileName);

// The text of a window's document, copied so that printing does not disturb the window.
std::shared_ptr<const QTextDocument> CopyOfText(const QTextDocument& text);

// The printer dialog and the print preview of a document.
void PrintWithDialog(QWidget* parent, const PrintDocument& document);
// Prints on the printer the dialog chose; printing to a PDF file goes through the checked
// writer of whole files (the old file kept whole on failure, the error shown over `parent`).
void PrintChosen(QWidget* parent, QPrinter& printer, const PrintDocument& document);
void PreviewDocument(QWidget* parent, const PrintDocument& document);

// The commands of a window that shows a report or page: "Печать…", "Предварительный просмотр" and
// "Экспорт в PDF…", put into `menu` before `before` (at the end when null) and onto a toolbar
// of the window. `document` is asked when a command runs.
struct PrintActions {
    QAction* print;
    QAction* preview;
    QAction* pdf;
};
PrintActions AddPrintActions(QMainWindow& window, QMenu& menu, QAction* before,
                             std::function<PrintDocument()> document);

// The commands of a chart: "Сохранить изображение…" (PNG) and "Экспорт в PDF…" (the picture on a
// page under the header line, or `document` when one is given: what the window shows written
// out whole). With a null `menu` they go into the owner's context menu.
struct PictureActions {
    QAction* image;
    QAction* pdf;
};
PictureActions AddPictureActions(QWidget& owner, QMenu* menu, QAction* before,
                                 std::function<Picture()> picture, std::function<QString()> header,
                                 std::function<PrintDocument()> document = {});

// Asks for a PDF file name (proposing `proposedName`) and writes the document; errors go to the
// error box. Returns whether a file was written.
bool ExportPdfWithDialog(QWidget* parent, const PrintDocument& document,
                         const QString& proposedName);
