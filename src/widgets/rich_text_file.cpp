// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/rich_text_file.h"

#include <QStringConverter>
#include <QStringList>

#include "text/cp1251.h"
#include "text/rtf_reader.h"
#include "text/rtf_writer.h"
#include "text/whole_file.h"

namespace {

bool IsRtf(const QByteArray& bytes) {
    return bytes.startsWith("{\\rtf");
}

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
    std::string data;
    error = QString::fromStdString(ReadWholeFile(fileName.toStdString(), data));
    if (!error.isEmpty()) return std::nullopt;
    const QByteArray bytes = QByteArray::fromStdString(data);
    if (IsRtf(bytes)) return ReadRtf(bytes.toStdString());
    return PlainTextDocument(bytes);
}

QString WriteRtfFile(const RichDocument& doc, const QString& fileName) {
    return QString::fromStdString(ReplaceWholeFile(fileName.toStdString(), WriteRtf(doc)));
}
