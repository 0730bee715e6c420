// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/data_picture.h"

#include <QDir>
#include <QImage>

#include "text/whole_file.h"
#include "widgets/program_folder.h"

QPixmap LoadDataPicture(const QString& backslashPath, QString& error) {
    const QString fileName = DataPath(backslashPath);
    std::string bytes;
    error = QString::fromStdString(ReadWholeFile(fileName.toStdString(), bytes));
    if (!error.isEmpty()) return QPixmap();
    QImage picture;
    if (!picture.loadFromData(QByteArray::fromStdString(bytes))) {
        error = QStringLiteral(
                    "Не удалось прочитать рисунок «%1»: файл поврежден. Переустановите "
                    "программу.")
                    .arg(QDir::toNativeSeparators(fileName));
        return QPixmap();
    }
    return QPixmap::fromImage(picture);
}
