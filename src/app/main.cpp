#include <QApplication>

#include "app/main_window.h"
#include "app/version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    // The main window creates every other window in the start-up order and runs the first
    // calculation. A person or table file named as the first argument is opened by its window.
    TFormMainGVR mainWindow;
    mainWindow.showMaximized();
    return app.exec();
}
