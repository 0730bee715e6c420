#include "widgets/data_picture.h"

#include <QFile>
#include <QImage>
#include <QImageReader>

#include "widgets/program_folder.h"

QPixmap LoadDataPicture(const QString& backslashPath, QString& error) {
    const QString fileName = DataPath(backslashPath);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString());
        return QPixmap();
    }
    QImageReader reader(&file);
    QImage picture;
    if (!reader.read(&picture)) {
        error = QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, reader.errorString());
        return QPixmap();
    }
    error.clear();
    return QPixmap::fromImage(picture);
}
