#include "person/text_lines_file.h"

#include <QFile>
#include <QSaveFile>

#include "text/cp1251.h"
#include "text/ini_file.h"

std::vector<std::string> SplitTextLines(const std::string& utf8) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> ReadTextLinesFile(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) {
        throw EFileError("Cannot open file \"" + path + "\". " + f.errorString().toStdString());
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        throw EFileError("Cannot read file \"" + path + "\". " + f.errorString().toStdString());
    }
    return SplitTextLines(Cp1251ToUtf8(bytes.toStdString()));
}

void WriteTextLinesFile(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    const std::string bytes = Utf8ToCp1251(text);
    QSaveFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::WriteOnly)) {
        throw EFileError("Cannot create file \"" + path + "\". " + f.errorString().toStdString());
    }
    const qint64 written = f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size()) || !f.commit()) {
        throw EFileError("Cannot write file \"" + path + "\". " + f.errorString().toStdString());
    }
}
