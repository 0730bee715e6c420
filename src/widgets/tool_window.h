#pragma once
// The frame every auxiliary window shares: an always-on-top tool window that exists for the whole
// run and is shown and hidden, never destroyed.
#include <QWidget>

class TToolWindow : public QWidget {
    Q_OBJECT
public:
    explicit TToolWindow(QWidget* parent = nullptr);

    // Shows the window in front of the others, as the menu commands and the presets from other
    // windows do.
    void Present();

protected:
    // The window that new text viewers opened from here belong to: the program's main window.
    QWidget* ViewerParent() const { return parentWidget(); }
};
