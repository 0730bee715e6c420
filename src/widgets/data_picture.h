// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A picture of the data folder ("\bmp\diag.bmp"), read the one way every window reads its
// pictures: a null picture and the file error's text when it cannot be read.
#include <QPixmap>
#include <QString>

// `error` is emptied on success and holds the message ("Не удалось открыть файл «…»…") otherwise.
QPixmap LoadDataPicture(const QString& backslashPath, QString& error);
