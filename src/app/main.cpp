#include <QApplication>

#include "app/main_window.h"
#include "app/version.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    TFormMainGVR mainWindow;
    mainWindow.show();
    return app.exec();
}
