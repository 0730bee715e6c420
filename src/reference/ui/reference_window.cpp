// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference/ui/reference_window.h"

#include <QLabel>
#include <QLayout>
#include <QScrollArea>
#include <QVBoxLayout>

#include "widgets/data_picture.h"
#include "widgets/error_box.h"

ReferenceWindow::ReferenceWindow(const QString& caption, QWidget* parent) : TToolWindow(parent) {
    setWindowTitle(caption);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::Base, Qt::white);
    setPalette(white);
}

QPixmap ReferenceWindow::LoadPicture(const QString& backslashPath) {
    QString error;
    QPixmap picture = LoadDataPicture(backslashPath, error);
    if (picture.isNull()) {
        pictureErrors_.append(error);
        ShowErrorBox(this, error);
    }
    return picture;
}

QLabel* ReferenceWindow::PictureLabel(const QString& backslashPath, QSize size) {
    auto* label = new QLabel(this);
    label->setFixedSize(size);
    label->setAlignment(Qt::AlignCenter);
    const QPixmap picture = LoadPicture(backslashPath);
    if (!picture.isNull()) {
        label->setFixedSize(picture.size());
        label->setPixmap(picture);
    }
    return label;
}

QLabel* ReferenceWindow::PictureContent(const QString& backslashPath, QSize size) {
    QLabel* picture = PictureLabel(backslashPath, size);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(picture);
    FixSize();
    return picture;
}

void ReferenceWindow::FixSize() {
    if (layout()) layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
}

QScrollArea* ReferenceWindow::ScrolledContent(QWidget* content, Qt::Alignment alignment) {
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(alignment);
    scroll->setWidgetResizable(false);
    scroll->setBackgroundRole(QPalette::Window);
    content->setAutoFillBackground(true);
    scroll->setWidget(content);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return scroll;
}
