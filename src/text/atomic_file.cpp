#include "text/atomic_file.h"

#include <QSaveFile>

#include "text/ini_file.h"

void WriteFileAtomically(const std::string& path, const std::string& bytes) {
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly))
        throw EFileError("Cannot create file \"" + path + "\". " + f.errorString().toStdString());
    const qint64 written = f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size()) || !f.commit())
        throw EFileError("Cannot write file \"" + path + "\". " + f.errorString().toStdString());
}
