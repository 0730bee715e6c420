#pragma once
// The application shell: holds the current moment and opens the other windows.
#include <QMainWindow>

class TFormMainGVR : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormMainGVR(QWidget* parent = nullptr);
};
