// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Инфо": shows one descriptive rich-text page of the data folder. Any window that wants to show
// a page sets the page path and creates a new viewer (OpenPageViewer does both); each viewer keeps
// the page that was set when it opened. Several viewers can be open at once.
#include <QMainWindow>
#include <QString>

#include "widgets/print_export.h"

class QAction;
class QTextEdit;

// The process-wide page path: relative to the program's folder, beginning with a backslash
// ("\other\ses\s1.rtf").
void SetPagePath(const QString& path);
QString PagePath();

class TFormText : public QMainWindow {
    Q_OBJECT
public:
    // Takes the current page path and places itself in the viewers' cascade.
    explicit TFormText(QWidget* parent = nullptr);

    // Loads the page into the text area; on failure the area stays empty and the file error is
    // reported (and kept in LastError).
    bool LoadPage();
    // Writes the text area to `fileName` as RTF (the whole file or nothing); false with
    // LastError on failure.
    bool SaveAsRtf(const QString& fileName);

    const QString& Page() const { return page_; }
    const QString& LastError() const { return lastError_; }

    QTextEdit* RichEdit;
    QAction* SaveAsAction;  // "Сохранить как..."
    QAction* CloseAction;   // "Закрыть"
    PrintActions PrintCommands;  // "Печать...", "Предварительный просмотр", "Экспорт в PDF..."

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SaveAsClick();
    void ReportError(const QString& message);

    QString page_;
    QString lastError_;
    bool loaded_ = false;
};
