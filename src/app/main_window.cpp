#include "app/main_window.h"

#include "app/version.h"

TFormMainGVR::TFormMainGVR(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    resize(800, 600);
}
