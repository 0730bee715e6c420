// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report window: one long report (the interpretation of a geomantic table or the personal
// forecast) as formatted rich text, which the user can save as an RTF file; any rich-text file
// can be loaded into it instead. Every request opens a new window, each a little further down the
// screen than the one before; several reports can be open side by side. A closed report window is
// released at once: nothing reopens it.
//
// A report kind plugs in with a builder (report_content.h): the opener sets ReportMode, creates
// the window with the builder of its report and shows it (OpenTableReport does so for a table).
#include <QMainWindow>
#include <QString>

#include "interpretation/report_content.h"
#include "interpretation/report_mode.h"
#include "widgets/print_export.h"

class QAction;
class QLabel;
class QStatusBar;
class QTextDocument;
class QTextEdit;
class WindowCascade;

class TFormFHInter : public QMainWindow {
    Q_OBJECT
public:
    // Takes its place in the report windows' cascade. The report is built by `build` when the
    // window is first shown.
    explicit TFormFHInter(ReportBuilder build, QWidget* parent = nullptr);

    // Builds the report anew into the report area and sets the caption and the status panel.
    // When building fails the error is shown, the report area stays hidden and false is returned.
    bool BuildReport();
    // Replaces the whole report area by the file's content; the caption and the status panel
    // keep what the report set. False (error shown, content kept) when the file cannot be read.
    bool OpenFile(const QString& fileName);
    // Writes the report area to the file as RTF, whole or not at all. False with the error shown.
    bool SaveAsRtf(const QString& fileName);

    // The switch as it stood when the window was shown.
    ReportMode Mode() const { return mode_; }
    const QString& LastError() const { return lastError_; }

    // Event handlers of the menu "Файл".
    void OpenClick();    // "Открыть"
    void SaveAsClick();  // "Сохранить как..."

    QTextEdit* RichEdit1;  // the report area
    QStatusBar* StatusBar1;
    QLabel* StatusPanel;  // the one panel of the status bar
    QAction* OpenAction;
    QAction* SaveAsAction;
    QAction* CloseAction;
    PrintActions PrintCommands;  // "Печать...", "Предварительный просмотр", "Экспорт в PDF..."

    // The report area on paper: the caption and the status panel head every page.
    PrintDocument PrintedReport() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ReportError(const QString& message);

    ReportBuilder build_;
    ReportMode mode_ = ReportMode::TableInterpretation;
    bool built_ = false;
    QString lastError_;
};

// The report's paragraphs as the report area shows them: the empty first paragraph on top, the
// first-line and right indents. Also the text of the reports on paper.
void FillReportText(QTextDocument& target, ReportDocument document);

// The report windows' cascade, CascadeOffset: the first window opens at (17, 113), each next one
// 20 pixels right of and below the one before, back at (17, 113) when a window would come within
// 50 pixels of the bottom of the screen.
WindowCascade& CascadeOffset();

// First-line and right indents of the report paragraphs, in points.
inline constexpr double kReportFirstLineIndentPt = 6;
inline constexpr double kReportRightIndentPt = 3;
