#include "widgets/rich_text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>

#include "text/cp1251.h"
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"

namespace {

bool IsRtf(const QByteArray& bytes) { return bytes.startsWith("{\\rtf"); }

RichDocument PlainTextDocument(const QByteArray& bytes) {
    QStringDecoder toUtf16(QStringConverter::Utf8);
    QString text = toUtf16(bytes);
    if (toUtf16.hasError()) text = QString::fromStdString(Cp1251ToUtf8(bytes.toStdString()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    RichDocument doc;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        // A final line end does not start another paragraph.
        if (i == lines.size() - 1 && lines[i].isEmpty() && i > 0) break;
        RichParagraph paragraph;
        if (!lines[i].isEmpty()) paragraph.runs.push_back({lines[i].toStdString(), TextStyle()});
        doc.push_back(std::move(paragraph));
    }
    return doc;
}

}  // namespace

std::optional<RichDocument> ReadRichTextFile(const QString& fileName, QString& error) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Cannot open file \"%1\". %2").arg(fileName, file.errorString());
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Cannot read file \"%1\". %2").arg(fileName, file.errorString());
        return std::nullopt;
    }
    error.clear();
    if (IsRtf(bytes)) return ReadRtf(bytes.toStdString());
    return PlainTextDocument(bytes);
}

QString WriteRtfFile(const RichDocument& doc, const QString& fileName) {
    const std::string rtf = WriteRtf(doc);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(rtf.data(), static_cast<qint64>(rtf.size())) != static_cast<qint64>(rtf.size()) ||
        !file.commit()) {
        return QStringLiteral("Cannot create file \"%1\". %2").arg(fileName, file.errorString());
    }
    return QString();
}
