// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of the good-day and lunar-mansion windows: a sizeable tool window whose body is a
// read-only rich-text view (a white margin at its left and a white band above it) showing one
// page of the data folder. Each refreshes when shown and, while showing, after every
// recalculation of the main window's moment.
#include <QString>
#include <string>

#include "tools/ui/description_button_widget.h"
#include "widgets/tool_window.h"

class QTextEdit;

class TDayPageWindow : public TToolWindow {
    Q_OBJECT
public:
    explicit TDayPageWindow(QWidget* parent = nullptr);

    // The main window's recalculation: refresh only while showing.
    void RefreshIfShowing();

    // Loads a page ("\other\czang\c1.rtf") into the view. A page that cannot be read is reported
    // in the error box (and kept in LastError) and leaves the view empty, so that the caption
    // never stands over another day's text.
    bool LoadPage(const std::string& pagePath);
    const QString& LastError() const { return lastError_; }
    // The page on display (empty after a failure).
    const std::string& Page() const { return page_; }

    QTextEdit* RichEdit;

protected:
    virtual void Refresh() = 0;
    void showEvent(QShowEvent* event) override;

private:
    QString lastError_;
    std::string page_;
};
