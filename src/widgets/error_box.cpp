#include "widgets/error_box.h"

#include <QMessageBox>

#include "gavrosin_version.h"

void ShowErrorBox(QWidget* parent, const QString& message) {
    auto* box = new QMessageBox(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), message,
                                QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    box->show();
}
