// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every reference window shares: a tool window with a white background and its pictures
// read from the program's folder. A picture that cannot be read is reported in the standard error
// box when the window is created, and the window goes on without it.
#include <QPixmap>
#include <QString>
#include <QStringList>

#include "widgets/tool_window.h"

class QLabel;
class QScrollArea;

class ReferenceWindow : public TToolWindow {
    Q_OBJECT
public:
    // The file errors of the pictures that could not be read (empty when all were).
    const QStringList& PictureErrors() const { return pictureErrors_; }

protected:
    ReferenceWindow(const QString& caption, QWidget* parent);

    // A picture of the data folder ("\bmp\diag1.bmp"); a null picture, reported, on failure.
    QPixmap LoadPicture(const QString& backslashPath);
    // A label showing that picture at its own size (empty, of that size, when it is missing).
    QLabel* PictureLabel(const QString& backslashPath, QSize size);
    // A fixed window holding nothing but that picture.
    QLabel* PictureContent(const QString& backslashPath, QSize size);
    // A fixed tool window: its size follows its content and cannot be changed by the user.
    void FixSize();
    // A sizeable window: `content` fills it, with scroll bars where it does not fit.
    QScrollArea* ScrolledContent(QWidget* content, Qt::Alignment alignment);

private:
    QStringList pictureErrors_;
};
